#!/usr/bin/env python3
"""Writes N small, varied questions: arithmetic, comparisons, casts, tuples
and whose over short lists. Usage: make-questions.py N [guard|lua|python]

guard:  one question a line, "Q: <expression>".
lua:    the same expressions, one a line, each evaluable by
        load("return " .. line)() once count_greater is defined (see
        many-questions.lua).
python: the same expressions for eval(), with no helper needed."""
import random
import sys

STYLES = ("guard", "lua", "python")


def questions(n):
    """Yields (guard, lua, python) forms of each question."""
    rng = random.Random(7)
    for i in range(n):
        a, b, c = rng.randint(1, 999), rng.randint(1, 999), rng.randint(1, 9)
        kind = i % 6
        if kind == 0:
            same = "%d + %d * %d" % (a, b, c)
            yield (same, same, same)
        elif kind == 1:
            other = "%d %% %d == %d" % (a, c, a % c)
            yield ("%d mod %d = %d" % (a, c, a % c), other, other)
        elif kind == 2:
            same = "(%d < %d) and (%d > %d)" % (a, b, c, a)
            yield (same, same, same)
        elif kind == 3:
            yield ('"%d" as integer + %d' % (a, b),
                   'tonumber("%d") + %d' % (a, b),
                   'int("%d") + %d' % (a, b))
        elif kind == 4:
            yield ("(%d, %d)" % (a, b), "{%d, %d}" % (a, b), "(%d, %d)" % (a, b))
        else:
            yield ("number of (%d; %d; %d) whose (it > %d)" % (a, b, c, b),
                   "count_greater({%d, %d, %d}, %d)" % (a, b, c, b),
                   "len([x for x in (%d, %d, %d) if x > %d])" % (a, b, c, b))


def main():
    n = int(sys.argv[1])
    style = sys.argv[2] if len(sys.argv) > 2 else "guard"
    if style not in STYLES:
        sys.exit("make-questions.py: style must be one of " + ", ".join(STYLES))
    column = STYLES.index(style)
    out = sys.stdout
    for forms in questions(n):
        line = forms[column]
        out.write("Q: " + line + "\n" if style == "guard" else line + "\n")


main()
