#!/usr/bin/env python3
"""Writes N small, varied questions: arithmetic, comparisons, casts, tuples
and whose over short lists. Usage: make-questions.py N [guard|lua|python]"""
import random
import sys

def questions(n):
    rng = random.Random(7)
    for i in range(n):
        a, b, c = rng.randint(1, 999), rng.randint(1, 999), rng.randint(1, 9)
        kind = i % 6
        if kind == 0:
            yield ("%d + %d * %d" % (a, b, c), "%d + %d * %d" % (a, b, c))
        elif kind == 1:
            yield ("%d mod %d = %d" % (a, c, a % c), "%d %% %d == %d" % (a, c, a % c))
        elif kind == 2:
            yield ("(%d < %d) and (%d > %d)" % (a, b, c, a), "(%d < %d) and (%d > %d)" % (a, b, c, a))
        elif kind == 3:
            yield ('"%d" as integer + %d' % (a, b), 'tonumber("%d") + %d' % (a, b))
        elif kind == 4:
            yield ("(%d, %d)" % (a, b), "{%d, %d}" % (a, b))
        else:
            yield ("number of (%d; %d; %d) whose (it > %d)" % (a, b, c, b),
                   "count_greater({%d, %d, %d}, %d)" % (a, b, c, b))

def main():
    n = int(sys.argv[1])
    style = sys.argv[2] if len(sys.argv) > 2 else "guard"
    for guard, other in questions(n):
        if style == "guard":
            print("Q: " + guard)
        else:
            print(other)

main()
