#!/usr/bin/env python3
"""guard-shell's non-interactive modes, through the built program:
   command_line_test.py GUARD-SHELL [unittest arguments]"""
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

SHELL = None
BIG = "9223372036854775807"  # 2^63 - 1


def run(*args, stdin=b"", env=None):
    environment = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    environment.pop("NO_COLOR", None)
    if env:
        environment.update(env)
    done = subprocess.run([SHELL, *args], input=stdin, capture_output=True, env=environment, timeout=60)
    return done.returncode, done.stdout, done.stderr


class ExitStatus(unittest.TestCase):
    def test_every_question_answered_is_zero(self):
        code, out, _ = run("-e", "1+1", "-e", "integers in (1, 3)")
        self.assertEqual(code, 0)
        self.assertEqual(out, b"Q: 1+1\nA: 2\n\nQ: integers in (1, 3)\nA: 1\nA: 2\nA: 3\n\n")

    def test_any_error_line_is_one(self):
        for question in ["foo", "1 +", "item 0 of (1, 2) + \"a\"", "(integers in (1, 2)) as string + 1"]:
            code, out, _ = run("-e", "1", "-e", question, "-e", "2")
            self.assertEqual(code, 1, question)
            self.assertIn(b"\nE: ", out, question)
            self.assertTrue(out.endswith(b"Q: 2\nA: 2\n\n"), question)  # the next question still runs

    def test_evaluation_errors_count_too(self):
        code, out, _ = run("-e", "item 0 of (integers in (1, 2), 2)")
        self.assertEqual(code, 1)
        self.assertEqual(out, b"Q: item 0 of (integers in (1, 2), 2)\nA: 1\n"
                              b"E: Singular expression refers to non-unique object.\n\n")

    def test_usage_and_file_errors_are_two(self):
        cases = [
            (["--bogus"], b"unknown option --bogus"),
            (["-e"], b"-e needs a value"),
            (["--timeout", "soon", "-e", "1"], b"not a duration"),
            (["--timeout", "0s", "-e", "1"], b"not a duration"),
            (["--max-answers", "0", "-e", "1"], b"not a positive whole number"),
            (["--max-answers=-3", "-e", "1"], b"not a positive whole number"),
            (["--json=yes", "-e", "1"], b"takes no value"),
            (["--check", "--explain", "-e", "1"], b"cannot be used together"),
            (["/nonexistent/questions.txt"], b"/nonexistent/questions.txt: No such file or directory"),
        ]
        for args, message in cases:
            code, out, err = run(*args)
            self.assertEqual(code, 2, args)
            self.assertIn(message, err, args)

    def test_a_missing_file_does_not_stop_the_others(self):
        with tempfile.TemporaryDirectory() as d:
            good = os.path.join(d, "good.q")
            with open(good, "wb") as f:
                f.write(b"Q: 6*7\n")
            code, out, err = run(os.path.join(d, "missing.q"), good)
            self.assertEqual(code, 2)
            self.assertEqual(out, b"Q: 6*7\nA: 42\n\n")
            self.assertIn(b"missing.q", err)

    def test_help_and_version(self):
        code, out, _ = run("--help")
        self.assertEqual(code, 0)
        self.assertIn(b"usage: guard-shell", out)
        code, out, _ = run("--version")
        self.assertEqual(code, 0)
        self.assertRegex(out.decode(), r"^guard-shell \d+\.\d+\.\d+\n$")


class QuestionFilesAndInput(unittest.TestCase):
    FILE = (b"# a comment line\r\nQ: 1 +\r\n   2\r\nA: stale answer\r\nE: stale error\r\n"
            b"note:  kept\r\nq: \"50%25\"\r\nx-relevant-when: \"caf%c3%a9\" & \"%01\"\r\n")
    ANSWERS = (b"# a comment line\nQ: 1 + 2\nA: 3\n\nnote:kept\nQ: \"50%25\"\nA: 50%25\n\n"
               b"Q: \"caf%c3%a9\" & \"%01\"\nA: caf%c3%a9%01\n\n")

    def test_a_file_is_answered_as_guard_answers_it_with_lf_line_ends(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "q.txt")
            with open(path, "wb") as f:
                f.write(self.FILE)
            code, out, _ = run(path)
        self.assertEqual(code, 0)
        self.assertEqual(out, self.ANSWERS)

    def test_standard_input_when_not_a_terminal(self):
        code, out, _ = run(stdin=self.FILE)
        self.assertEqual(code, 0)
        self.assertEqual(out, self.ANSWERS)
        code, out, _ = run("-", stdin=b"Q: 2+2")  # no line end at the end
        self.assertEqual((code, out), (0, b"Q: 2+2\nA: 4\n\n"))

    def test_the_output_reads_back_as_the_same_questions(self):
        _, first, _ = run(stdin=self.FILE)
        _, second, _ = run(stdin=first)
        self.assertEqual(first, second)

    def test_types_and_times(self):
        code, out, _ = run("--types", "--times", "-e", "\"a\" & \"b\"")
        self.assertEqual(code, 0)
        self.assertRegex(out.decode(), r"^Q: \"a\" & \"b\"\nA: ab\nT: \d+\nI: string\n\n$")

    def test_line_ends_inside_an_e_question_fold(self):
        code, out, _ = run("-e", "(1 +\n 2)")
        self.assertEqual((code, out), (0, b"Q: (1 +  2)\nA: 3\n\n"))

    def test_no_colour_on_a_pipe(self):
        _, out, _ = run("-e", "1")
        self.assertNotIn(b"\x1b[", out)


class Json(unittest.TestCase):
    def objects(self, out):
        lines = out.decode("utf-8").splitlines()
        return [json.loads(line) for line in lines]

    def test_one_valid_object_per_question(self):
        questions = ["1+1", "integers in (1, 3)", "foo", "\"50%25\"", "\"%c3%a9t%c3%a9\"", "\"%e9%ff\"",
                     "\"a%0ab%22c%5cd\"", "item 0 of (integers in (1, 2), 2)", "\"%f0%9f%98%80\""]
        args = []
        for q in questions:
            args += ["-e", q]
        code, out, _ = run("--json", *args)
        self.assertEqual(code, 1)
        objects = self.objects(out)
        self.assertEqual([o["question"] for o in objects], questions)
        for o in objects:
            self.assertEqual(sorted(o), ["answers", "error", "question", "time_us", "type"])
        by = dict(zip(questions, objects))
        self.assertEqual(by["1+1"]["answers"], ["2"])
        self.assertIsNone(by["1+1"]["error"])
        self.assertEqual(by["1+1"]["type"], "integer")
        self.assertIsInstance(by["1+1"]["time_us"], int)
        self.assertEqual(by["integers in (1, 3)"]["answers"], ["1", "2", "3"])
        self.assertEqual(by["foo"]["answers"], [])
        self.assertEqual(by["foo"]["error"], "The operator \"foo\" is not defined.")
        self.assertIsNone(by["foo"]["type"])
        self.assertIsNone(by["foo"]["time_us"])
        # Answers are the texts themselves, not answer-file escapes.
        self.assertEqual(by["\"50%25\""]["answers"], ["50%"])
        self.assertEqual(by["\"%c3%a9t%c3%a9\""]["answers"], ["\u00e9t\u00e9"])
        self.assertEqual(by["\"%f0%9f%98%80\""]["answers"], ["\U0001F600"])
        # Bytes that are not UTF-8 read as Latin-1: nothing is lost.
        self.assertEqual(by["\"%e9%ff\""]["answers"], ["\u00e9\u00ff"])
        self.assertEqual(by["\"a%0ab%22c%5cd\""]["answers"], ["a\nb\"c\\d"])
        failed = by["item 0 of (integers in (1, 2), 2)"]
        self.assertEqual(failed["answers"], ["1"])
        self.assertEqual(failed["error"], "Singular expression refers to non-unique object.")
        self.assertEqual(failed["type"], "integer")

    def test_files_give_objects_for_questions_only(self):
        code, out, _ = run("--json", stdin=b"comment\nQ: 2*3\nnote: x\n")
        self.assertEqual(code, 0)
        self.assertEqual([(o["question"], o["answers"]) for o in self.objects(out)], [("2*3", ["6"])])

    def test_never_coloured(self):
        _, out, _ = run("--json", "-e", "1")
        self.assertNotIn(b"\x1b", out)


class Check(unittest.TestCase):
    def test_a_good_file_passes_with_its_types(self):
        code, out, _ = run("--check", stdin=b"Q: 1+1\nQ: integers in (1, 3)\nQ: \"a\" as string\n")
        self.assertEqual(code, 0)
        self.assertEqual(out, b"Q: 1+1\nI: integer\n\nQ: integers in (1, 3)\nI: integer\n\n"
                              b"Q: \"a\" as string\nI: string\n\n")

    def test_a_bad_file_fails_with_the_sentences(self):
        code, out, _ = run("--check", stdin=b"Q: 1+1\nQ: 1 + \"a\"\nQ: it\nQ: (1\n")
        self.assertEqual(code, 1)
        text = out.decode()
        self.assertIn("Q: 1+1\nI: integer\n\n", text)
        self.assertIn("Q: 1 + \"a\"\nE: ", text)
        self.assertIn("Q: it\nE: ", text)
        self.assertEqual(text.count("E: "), 3)

    def test_nothing_is_evaluated(self):
        # Evaluating would take for ever, or fail; binding does neither.
        start = time.monotonic()
        code, out, _ = run("--check", "-e", "number of integers in (1, %s)" % BIG,
                           "-e", "item 0 of (integers in (1, 2), 2)")
        self.assertEqual(code, 0)
        self.assertLess(time.monotonic() - start, 20)
        self.assertNotIn(b"A: ", out)

    def test_check_with_json(self):
        code, out, _ = run("--check", "--json", "-e", "1", "-e", "x of 1")
        self.assertEqual(code, 1)
        objects = [json.loads(line) for line in out.decode().splitlines()]
        self.assertEqual([o["type"] for o in objects], ["integer", None])
        self.assertEqual([o["answers"] for o in objects], [[], []])


class Budgets(unittest.TestCase):
    def test_a_timeout_ends_a_question_of_2_to_the_63_values_and_the_next_runs(self):
        start = time.monotonic()
        code, out, _ = run("--timeout", "300ms", "-e", "number of integers in (1, %s)" % BIG, "-e", "1+1")
        self.assertLess(time.monotonic() - start, 20)
        self.assertEqual(code, 1)
        self.assertIn(b"E: Time limit of 300 ms reached: the question was stopped.\n", out)
        self.assertTrue(out.endswith(b"Q: 1+1\nA: 2\n\n"))

    def test_no_still_running_line_when_standard_error_is_not_a_terminal(self):
        code, out, err = run("--timeout", "1500ms", "-e", "number of integers in (1, %s)" % BIG)
        self.assertEqual(code, 1)
        self.assertIn(b"E: Time limit of 1500 ms reached", out)
        self.assertEqual(err, b"")

    def test_a_timeout_inside_a_whose_filter(self):
        code, out, _ = run("--timeout=0.2s", "-e", "exists (integers in (1, %s)) whose (it < 0)" % BIG)
        self.assertEqual(code, 1)
        self.assertIn(b"E: Time limit of 200 ms reached", out)

    def test_max_answers_stops_a_plural_of_2_to_the_63_values(self):
        code, out, _ = run("--max-answers", "4", "-e", "integers in (1, %s)" % BIG, "-e", "2")
        self.assertEqual(code, 1)
        self.assertEqual(out, b"Q: integers in (1, %s)\nA: 1\nA: 2\nA: 3\nA: 4\n"
                              b"E: Answer limit reached: stopped after 4 answers.\n\nQ: 2\nA: 2\n\n" % BIG.encode())

    def test_exactly_the_limit_is_no_error(self):
        code, out, _ = run("--max-answers", "3", "-e", "integers in (1, 3)")
        self.assertEqual(code, 0)
        self.assertNotIn(b"E: ", out)

    def test_budgets_in_json(self):
        code, out, _ = run("--json", "--max-answers", "2", "-e", "integers in (1, %s)" % BIG)
        o = json.loads(out)
        self.assertEqual(o["answers"], ["1", "2"])
        self.assertEqual(o["error"], "Answer limit reached: stopped after 2 answers.")


class Explain(unittest.TestCase):
    def test_nodes_types_and_rows(self):
        code, out, _ = run("--explain", "-e", "number of (integers in (1, 10)) whose (it mod 2 = 0)")
        self.assertEqual(code, 0)
        lines = out.decode().splitlines()
        self.assertEqual(lines[0], "Q: number of (integers in (1, 10)) whose (it mod 2 = 0)")
        self.assertEqual(lines[1], "number of: integer, singular")
        self.assertEqual(lines[2], "  whose: integer, plural")
        self.assertIn("    object: property \"integers in\": integer, plural  row: phrase \"integers in\", "
                      "key <( integer, integer )>, of <none>: <integer>", lines)
        self.assertTrue(any(l.strip().startswith("condition: binary operator =: boolean, singular  row: "
                                                 "<integer> = <integer>: <boolean>") for l in lines))
        self.assertTrue(any(l.strip() == "left: it: integer, singular" for l in lines))

    def test_questions_of_a_file(self):
        code, out, _ = run("--explain", stdin=b"comment\nQ: 2 *\n  3\nA: 6\nQ: \"a\" as string\n")
        self.assertEqual(code, 0)
        self.assertEqual(out.decode(), "Q: 2 * 3\nbinary operator *: integer, singular  row: <integer> * <integer>: "
                                       "<integer>\n  left: integer 2: integer, singular\n"
                                       "  right: integer 3: integer, singular\n\n"
                                       "Q: \"a\" as string\ncast \"string\": string, singular  row: "
                                       "<string> as string: <string>\n  string \"a\": string, singular\n\n")

    def test_casts_and_failures(self):
        code, out, _ = run("--explain", "-e", "5 as string", "-e", "1 + \"a\"")
        self.assertEqual(code, 1)
        text = out.decode()
        self.assertIn("cast \"string\": string, singular  row: <integer> as string: <string>\n", text)
        self.assertIn("Q: 1 + \"a\"\nE: ", text)


if __name__ == "__main__":
    SHELL = sys.argv.pop(1)
    unittest.main()
