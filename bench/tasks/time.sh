# Time tasks for bench/compare.sh (sourced; see "vocabulary tasks" there):
# writing and reading the e-mail style time form a million times, in guard,
# GNU date and Python (datetime and email.utils), every answer checked.
#
#   time-write  a million times one minute apart from 1 Jan 2009 00:00 UTC
#               written as "Thu, 01 Jan 2009 00:01:00 +0000"; the answer is
#               how many fall on a Friday, Monday or Saturday (the texts
#               that sort before "Sun"). GNU date writes the same million
#               texts from "@seconds" lines with -f; the count is checked on
#               its output.
#   time-read   the same million texts written and read back; the answer is
#               how many read back as another time (0). GNU date -f reads the
#               texts from a file and writes them again (its output must be
#               the file itself); Python parses them with
#               email.utils.parsedate_to_datetime and writes them again.

TIME_N=${TIME_N:-1000000}
TIME_START=1230768000 # 1 Jan 2009 00:00:00 UTC
DATE=$(command -v date)

# The expected count, and the input files of GNU date, made once.
time_weekday_count=$("$PYTHON" -c "
import datetime
b = datetime.datetime(2009, 1, 1)
print(sum(1 for i in range(1, $TIME_N + 1) if (b + datetime.timedelta(minutes=i)).strftime('%a') < 'Sun'))")
"$PYTHON" -c "
for i in range(1, $TIME_N + 1): print('@%d' % ($TIME_START + 60 * i))" > "$work/time-seconds.txt"
TZ=UTC "$DATE" -f "$work/time-seconds.txt" '+%a, %d %b %Y %H:%M:%S %z' > "$work/time-texts.txt"

question "number of (integers in (1, $TIME_N)) whose (((\"1 Jan 2009 00:00 GMT\" as time) + it * minute) as string < \"Sun\")" time-write
question "number of (integers in (1, $TIME_N)) whose ((((\"1 Jan 2009 00:00 GMT\" as time) + it * minute) as string) as time != (\"1 Jan 2009 00:00 GMT\" as time) + it * minute)" time-read

describe time-write "time write $TIME_N" $TIME_N "ns/time" 1e9
describe time-read "time w+r $TIME_N" $TIME_N "ns/time" 1e9

echo "time-write..." >&2
tool guard "$work/time-write.a" "$(answer_is "$time_weekday_count")" "$GUARD" "$work/time-write.q" "$work/time-write.a"
tool date "$work/stdout" "[ \$(grep -c '^\\(Fri\\|Mon\\|Sat\\)' \"\$1\") -eq $time_weekday_count ]" \
  env TZ=UTC "$DATE" -f "$work/time-seconds.txt" '+%a, %d %b %Y %H:%M:%S %z'
tool python "$work/stdout" "$(answer_is "$time_weekday_count")" "$PYTHON" -c "
import datetime, email.utils
b = datetime.datetime(2009, 1, 1, tzinfo=datetime.timezone.utc)
m = datetime.timedelta(minutes=1)
print(sum(1 for i in range(1, $TIME_N + 1) if email.utils.format_datetime(b + i * m) < 'Sun'))"
measure_task time-write "$RUNS"

echo "time-read..." >&2
tool guard "$work/time-read.a" "$(answer_is 0)" "$GUARD" "$work/time-read.q" "$work/time-read.a"
tool date "$work/stdout" "cmp -s \"\$1\" \"$work/time-texts.txt\"" \
  env TZ=UTC "$DATE" -f "$work/time-texts.txt" '+%a, %d %b %Y %H:%M:%S %z'
tool python "$work/stdout" "$(answer_is 0)" "$PYTHON" -c "
import datetime, email.utils
b = datetime.datetime(2009, 1, 1, tzinfo=datetime.timezone.utc)
m = datetime.timedelta(minutes=1)
bad = 0
for i in range(1, $TIME_N + 1):
    t = b + i * m
    if email.utils.parsedate_to_datetime(email.utils.format_datetime(t)) != t: bad += 1
print(bad)"
measure_task time-read "$RUNS"

target "time: writing a time at least 10x faster than GNU date" time-write date 0.1
target "time: writing and reading a time at least 10x faster than GNU date -f" time-read date 0.1
