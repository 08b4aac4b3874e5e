#!/usr/bin/env python3
"""guard-shell's interactive shell in a real terminal, driven through tmux as
a person would use it: terminal_test.py GUARD-SHELL [unittest arguments]"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

SHELL = None
BIG = "9223372036854775807"




@unittest.skipUnless(shutil.which("tmux"), "tmux is needed (scripts/install-deps installs it)")
class Terminal(unittest.TestCase):
    runs = 0

    def setUp(self):
        self.state = tempfile.TemporaryDirectory()
        self.start()

    def start(self, colour=False):
        # A server of its own for every start: no race with one shutting down.
        Terminal.runs += 1
        self.socket = "guard-shell-test-%d-%d" % (os.getpid(), Terminal.runs)
        self.session = "shell"
        command = ("env %s XDG_STATE_HOME=%s ASAN_OPTIONS=detect_leaks=0 %s; echo EXIT=$?; sleep 30"
                   % ("-u NO_COLOR" if colour else "NO_COLOR=1", self.state.name, SHELL))
        self.tmux("new-session", "-d", "-s", self.session, "-x", "150", "-y", "50", command)
        self.wait_for("guard>")

    def tearDown(self):
        self.tmux("kill-server")
        self.state.cleanup()

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, *args], capture_output=True, text=True, check=False)

    def screen(self):
        return self.tmux("capture-pane", "-p", "-t", self.session).stdout

    def keys(self, *keys):
        self.tmux("send-keys", "-t", self.session, *keys)

    def type(self, text):
        self.tmux("send-keys", "-t", self.session, "-l", text)

    def wait_for(self, text, timeout=30, count=1):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.screen().count(text) >= count:
                return
            time.sleep(0.05)
        self.fail("%r (%d times) never appeared; the screen:\n%s" % (text, count, self.screen()))

    def last_prompt_line(self):
        lines = [l for l in self.screen().splitlines() if l.startswith("guard> ")]
        return lines[-1] if lines else ""

    def test_a_question_is_answered(self):
        self.type("6 * 7")
        self.keys("Enter")
        self.wait_for("A: 42")
        self.wait_for("guard>", count=2)

    def test_completion_of_a_partial_phrase(self):
        self.type("sum of integers i")
        self.keys("Tab")
        self.wait_for("guard> sum of integers in")
        self.type("(1, 4)")
        self.keys("Enter")
        self.wait_for("A: 10")

    def test_completion_of_a_cast_after_as(self):
        self.type("10 as hexadec")
        self.keys("Tab")
        self.wait_for("guard> 10 as hexadecimal")

    def test_a_continued_line(self):
        self.type("number of (integers in (1,")
        self.keys("Enter")
        self.wait_for("  ...>")
        self.type("5))")
        self.keys("Enter")
        self.wait_for("A: 5")

    def test_a_string_left_open_continues(self):
        self.type('"a')
        self.keys("Enter")
        self.wait_for("  ...>")
        self.type('b"')
        self.keys("Enter")
        self.wait_for("A: a b")

    def test_history_recall_and_the_history_file(self):
        self.type("2 + 3")
        self.keys("Enter")
        self.wait_for("A: 5")
        self.type("4 + 4")
        self.keys("Enter")
        self.wait_for("A: 8")
        self.keys("Up", "Up")
        self.wait_for("guard> 2 + 3", count=2)
        self.keys("Enter")
        self.wait_for("A: 5", count=2)
        with open(os.path.join(self.state.name, "guard", "history"), "rb") as f:
            history = f.read()
        self.assertIn(b"2\\040+\\0403", history)  # the editor's own encoding of blanks

    def test_history_survives_a_new_shell(self):
        self.type("7 - 2")
        self.keys("Enter")
        self.wait_for("A: 5")
        self.keys("C-d")
        self.wait_for("EXIT=0")
        self.tmux("kill-server")
        self.start()
        self.keys("Up")
        self.wait_for("guard> 7 - 2")

    def test_ctrl_c_stops_a_long_question_and_the_shell_goes_on(self):
        self.type("number of integers in (1, %s)" % BIG)
        self.keys("Enter")
        self.wait_for("still running after 1 s")
        self.keys("C-c")
        self.wait_for("E: Interrupted: Ctrl-C stopped the question.")
        self.type("1 + 1")
        self.keys("Enter")
        self.wait_for("A: 2")

    def test_ctrl_c_at_the_prompt_discards_the_line(self):
        self.type("1 + 1 + ")
        self.keys("C-c")
        self.wait_for("guard>", count=2)
        self.type("3")
        self.keys("Enter")
        self.wait_for("A: 3")

    def test_toggles_and_introspection(self):
        self.type(".types on")
        self.keys("Enter")
        self.wait_for("types on")
        self.type('"x"')
        self.keys("Enter")
        self.wait_for("I: string")
        self.type(".casts integer")
        self.keys("Enter")
        self.wait_for("A: <integer> as string: string")
        self.type(".operators integer")
        self.keys("Enter")
        self.wait_for("A: <integer> + <integer>: integer")
        self.wait_for("A: - <integer>: integer")
        self.type(".properties bit set")
        self.keys("Enter")
        self.wait_for("A: least significant one bit of <bit set>: integer")
        self.type(".properties nothing-like-this")
        self.keys("Enter")
        self.wait_for('E: no type is named "nothing-like-this"')
        self.type(".explain 1 + 2")
        self.keys("Enter")
        self.wait_for("binary operator +: integer, singular  row: <integer> + <integer>: <integer>")

    def test_colour_on_a_terminal_unless_no_color(self):
        self.type("1")
        self.keys("Enter")
        self.wait_for("A: 1")
        self.assertNotIn("\x1b[32m", self.tmux("capture-pane", "-p", "-e", "-t", self.session).stdout)
        self.tmux("kill-server")
        self.start(colour=True)
        self.type("1")
        self.keys("Enter")
        self.type("x of 1")
        self.keys("Enter")
        self.wait_for("E: ")
        coloured = self.tmux("capture-pane", "-p", "-e", "-t", self.session).stdout
        self.assertIn("\x1b[32mA: 1", coloured)
        self.assertIn("\x1b[31mE: ", coloured)

    def test_ctrl_d_and_quit_leave(self):
        self.keys("C-d")
        self.wait_for("EXIT=0")
        self.tmux("kill-server")
        self.start()
        self.type(".quit")
        self.keys("Enter")
        self.wait_for("EXIT=0")


if __name__ == "__main__":
    SHELL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
