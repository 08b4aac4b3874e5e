"""Evaluates every line of a file as a Python expression (eval) and writes
each result on a line of its own: the peer of answering a question file.
Usage: python3 many-questions.py EXPRESSIONS ANSWERS"""
import sys

with open(sys.argv[1]) as source, open(sys.argv[2], "w") as out:
    for line in source:
        out.write(str(eval(line)) + "\n")
