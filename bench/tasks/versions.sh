# Versions (sourced by bench/compare.sh): the greatest of a million
# four-part version texts, against `sort -V | tail -1` on the same texts.
# guard makes each text from its number and reads it as a version; sort reads
# them from a file written beforehand (its time does not include writing it).
versions_text='((((it * 7919) mod 100) as string) & "." & (((it * 104729) mod 1000) as string) & "." & ((it mod 65536) as string) & "." & (((it * 31) mod 10) as string))'
question "maximum of (($versions_text as version) of (integers in (1, 1000000)))" versions
"$PYTHON" -c "
import sys
with open(sys.argv[1], 'w') as out:
    for i in range(1, 1000001):
        out.write('%d.%d.%d.%d\n' % (i * 7919 % 100, i * 104729 % 1000, i % 65536, i * 31 % 10))
" "$work/versions.txt"
versions_max=$("$PYTHON" -c "
print('.'.join(map(str, max((i * 7919 % 100, i * 104729 % 1000, i % 65536, i * 31 % 10) for i in range(1, 1000001)))))")
describe versions "max of 1e6 versions" 1000000 "ns/version" 1e9
echo "versions..." >&2
tool guard "$work/versions.a" "$(answer_is "$versions_max")" "$GUARD" "$work/versions.q" "$work/versions.a"
tool sort "$work/stdout" "$(answer_is "$versions_max")" sh -c 'sort -V "$1" | tail -n 1' sh "$work/versions.txt"
measure_task versions "$RUNS"
target "versions: guard faster than sort -V then tail -1" versions sort 1
