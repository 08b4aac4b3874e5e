# Format templates and HTML text, side by side with python (sourced by
# bench/compare.sh; see its "vocabulary tasks").

# A format filled and read back for every integer of a range.
question 'number of (integers in (1, 100000)) whose ((format "{0}-{1}" + it + it) as string ends with "7")' html-format
describe html-format "format 1e5" 100000 "ns/value" 1e9
echo "html-format..." >&2
check=$(answer_is 10000)
tool guard "$work/html-format.a" "$check" "$GUARD" "$work/html-format.q" "$work/html-format.a"
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'print(sum(1 for i in range(1, 100001) if "{0}-{1}".format(i, i).endswith("7")))'
measure_task html-format "$RUNS"
target "format 1e5: guard at most 1x python" html-format python 1

# One html value made of an escaped table cell per integer, written out once.
question 'length of (concatenation of (tds of ((integers in (1, 100000)) as string)) as string)' html-cells
describe html-cells "html cells 1e5" 100000 "ns/value" 1e9
echo "html-cells..." >&2
check=$(answer_is 1388895)
tool guard "$work/html-cells.a" "$check" "$GUARD" "$work/html-cells.q" "$work/html-cells.a"
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'import html; print(len("".join("<td>" + html.escape(str(i)) + "</td>" for i in range(1, 100001))))'
measure_task html-cells "$RUNS"
target "html cells 1e5: guard at most 1x python" html-cells python 1
