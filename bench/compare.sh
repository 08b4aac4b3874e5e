#!/bin/bash
# Runs the same tasks in guard, the physical floor (a plain C loop compiled
# here with cc -O2), Lua 5.4, python3 and jq, and prints for each task the
# median wall time over several runs, the peak RSS, the time per item and
# the ratio of guard's time to each other tool's; then the peak RSS of
# guard's streaming tasks at N = 10^6 and 10^8, and the targets met.
#
# Builds nothing but its two helpers (bench/floor.c, bench/measure.c); guard
# is $GUARD, else build/bench/guard, else build/release/guard (`make bench`
# builds the first). RUNS (default 5) runs per task, STARTUP_RUNS (21) for
# the start-up task.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
RUNS=${RUNS:-5}
STARTUP_RUNS=${STARTUP_RUNS:-21}
N=10000000
QUESTIONS=100000

if [ -z "${GUARD:-}" ]; then
  for candidate in "$root/build/bench/guard" "$root/build/release/guard"; do
    if [ -x "$candidate" ]; then GUARD=$candidate; break; fi
  done
fi
[ -x "${GUARD:-}" ] || { echo "compare.sh: no guard binary (run make bench)" >&2; exit 1; }
LUA=$(command -v lua5.4) || { echo "compare.sh: lua5.4 missing" >&2; exit 1; }
# Debian's python3 when present (a python3 earlier in PATH may be another build).
if [ -x /usr/bin/python3 ]; then PYTHON=/usr/bin/python3; else PYTHON=$(command -v python3); fi
JQ=$(command -v jq) || { echo "compare.sh: jq missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/floor" "$here/floor.c"
cc -O2 -o "$work/measure" "$here/measure.c"

question() { printf 'Q: %s\r\n' "$1" > "$work/$2.q"; }
question "number of integers in (1, $N)" count
question "sum of integers in (1, $N)" sum
question "number of (integers in (1, $N)) whose (it mod 2 = 0)" filter
question "1" one
"$PYTHON" "$here/make-questions.py" $QUESTIONS guard > "$work/many.q"
"$PYTHON" "$here/make-questions.py" $QUESTIONS lua > "$work/many.lua.txt"
"$PYTHON" "$here/make-questions.py" $QUESTIONS python > "$work/many.py.txt"

# --- measuring -------------------------------------------------------------

# measure RUNS RESULT_FILE CHECK COMMAND...: runs COMMAND RUNS times (its
# standard output into $work/stdout); after each run CHECK (a shell test on
# RESULT_FILE, given as $1) must pass. Sets $median (s), $rss (KiB, the
# largest seen) and $ok (yes/no).
measure() {
  local runs=$1 result=$2 check=$3
  shift 3
  local times=() line seconds kib code
  rss=0
  ok=yes
  for ((i = 0; i < runs; i++)); do
    line=$("$work/measure" "$work/stdout" "$@" 2>&1 >/dev/null | tail -n 1)
    read -r seconds kib code <<< "$line"
    times+=("$seconds")
    ((kib > rss)) && rss=$kib
    if [ "$code" != 0 ] || ! (set -- "$result"; eval "$check"); then ok=no; fi
  done
  median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
}

# Checks, given the result file as $1.
answer_is() { echo "tr -d '\\r' < \"\$1\" | grep -qx 'A: $1\\|$1'"; }
lines_are() { echo "[ \$(grep -c '' \"\$1\") -eq $1 ]"; }
answers_are() { echo "[ \$(grep -c '^A: ' \"\$1\") -eq $1 ] && ! grep -q '^E: ' \"\$1\""; }

rows=()           # task|tool|median|rss|per-item|ok
declare -A guard_time
add_row() { rows+=("$1|$2|$median|$rss||$ok"); }

# run_guard TASK CHECK [RUNS]: guard answers $work/TASK.q into $work/TASK.a.
# run_peer TASK TOOL CHECK RUNS COMMAND...: the result is the standard output.
run_guard() {
  local task=$1 expect=$2 runs=${3:-$RUNS}
  measure "$runs" "$work/$task.a" "$expect" "$GUARD" "$work/$task.q" "$work/$task.a"
  guard_time[$task]=$median
  add_row "$task" guard
}
run_peer() {
  local task=$1 tool=$2 expect=$3 runs=$4
  shift 4
  measure "$runs" "$work/stdout" "$expect" "$@"
  add_row "$task" "$tool"
}
skip_peer() { rows+=("$1|$2|-|-|$3|-"); }

echo "guard: $GUARD" >&2
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2

# stream_task TASK EXPECTED LUA PYTHON JQ: one of the loops over 1..N, the
# floor's mode named like the task; each tool's program prints EXPECTED.
stream_task() {
  local task=$1 check
  check=$(answer_is "$2")
  echo "$task..." >&2
  run_guard "$task" "$check"
  run_peer "$task" floor "$check" "$RUNS" "$work/floor" "$task" $N
  run_peer "$task" lua "$check" "$RUNS" "$LUA" -e "$3"
  run_peer "$task" python "$check" "$RUNS" "$PYTHON" -c "$4"
  run_peer "$task" jq "$check" "$RUNS" "$JQ" -n "$5"
}

stream_task count $N \
  "local c=0 for i=1,1e7 do c=c+1 end print(c)" \
  "print(sum(1 for _ in range(1, 10**7+1)))" \
  "reduce range(1;10000001) as \$i (0; .+1)"
stream_task sum $((N * (N + 1) / 2)) \
  "local s=0 for i=1,1e7 do s=s+i end print(s)" \
  "print(sum(i for i in range(1, 10**7+1)))" \
  "reduce range(1;10000001) as \$i (0; .+\$i)"
stream_task filter $((N / 2)) \
  "local c=0 for i=1,1e7 do if i%2==0 then c=c+1 end end print(c)" \
  "print(sum(1 for i in range(1, 10**7+1) if i % 2 == 0))" \
  "reduce range(1;10000001) as \$i (0; if \$i % 2 == 0 then .+1 else . end)"

echo "many questions..." >&2
run_guard many "$(answers_are $QUESTIONS)"
measure "$RUNS" "$work/many.copy" "$(lines_are $QUESTIONS)" "$work/floor" copy "$work/many.q" "$work/many.copy"
add_row many floor
measure "$RUNS" "$work/many.lua.out" "$(lines_are $QUESTIONS)" "$LUA" "$here/many-questions.lua" "$work/many.lua.txt" "$work/many.lua.out"
add_row many lua
measure "$RUNS" "$work/many.py.out" "$(lines_are $QUESTIONS)" "$PYTHON" "$here/many-questions.py" "$work/many.py.txt" "$work/many.py.out"
add_row many python
skip_peer many jq "no eval of expression text"

echo "start-up..." >&2
run_guard one "$(answer_is 1)" "$STARTUP_RUNS"
run_peer one floor "$(answer_is 1)" "$STARTUP_RUNS" "$work/floor" one
run_peer one lua "$(answer_is 1)" "$STARTUP_RUNS" "$LUA" -e "print(1)"
run_peer one python "$(answer_is 1)" "$STARTUP_RUNS" "$PYTHON" -c "print(1)"
run_peer one jq "$(answer_is 1)" "$STARTUP_RUNS" "$JQ" -n 1

# --- the table -------------------------------------------------------------

declare -A title=([count]="count 1e7" [sum]="sum 1e7" [filter]="filter 1e7" [many]="many questions 1e5" [one]="start-up")
declare -A items=([count]=$N [sum]=$N [filter]=$N [many]=$QUESTIONS [one]=1)
declare -A unit=([count]="ns/value" [sum]="ns/value" [filter]="ns/value" [many]="us/question" [one]="ms")
declare -A scale=([count]=1e9 [sum]=1e9 [filter]=1e9 [many]=1e6 [one]=1e3)

echo
echo "Median of $RUNS runs ($STARTUP_RUNS for start-up); RSS is the largest peak seen; ratio = guard time / tool time."
printf '%-20s %-7s %10s %9s %14s %12s %4s\n' task tool "median s" "RSS MiB" "per item" "guard/tool" ok
printf '%s\n' "--------------------------------------------------------------------------------"
declare -A lua_ratio
last=""
for row in "${rows[@]}"; do
  IFS='|' read -r task tool med kib note ok <<< "$row"
  name=""; [ "$task" != "$last" ] && name=${title[$task]}
  last=$task
  if [ "$med" = "-" ]; then
    printf '%-20s %-7s %10s %9s %14s %12s %4s\n' "$name" "$tool" - - - - - 
    printf '%-20s   (%s)\n' "" "$note"
    continue
  fi
  per=$(awk -v t="$med" -v n="${items[$task]}" -v s="${scale[$task]}" 'BEGIN { v = t / n * s; printf (v >= 100 ? "%.0f" : "%.3g"), v }')
  mib=$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')
  if [ "$tool" = guard ]; then
    ratio="-"
  else
    ratio=$(awk -v g="${guard_time[$task]}" -v t="$med" 'BEGIN { printf "%.2fx", g / t }')
    [ "$tool" = lua ] && lua_ratio[$task]=${ratio%x}
  fi
  printf '%-20s %-7s %10.4f %9s %14s %12s %4s\n' "$name" "$tool" "$med" "$mib" "$per ${unit[$task]}" "$ratio" "$ok"
done

# --- RSS of the streaming tasks against N ----------------------------------

echo
echo "Peak RSS of guard's streaming tasks (one run each):"
printf '%-8s %14s %14s %10s\n' task "N=10^6 MiB" "N=10^8 MiB" "flat"
declare -A rss_ok
for task in count sum filter; do
  declare -A at=()
  for n in 1000000 100000000; do
    sed "s/$N/$n/" "$work/$task.q" > "$work/$task-$n.q"
    measure 1 "$work/$task-$n.a" "grep -q '^A: ' \"\$1\"" "$GUARD" "$work/$task-$n.q" "$work/$task-$n.a"
    at[$n]=$rss
  done
  small=${at[1000000]} large=${at[100000000]}
  # Flat: within 256 KiB (page-granular noise), and under 16 MiB.
  flat=$(awk -v a="$small" -v b="$large" 'BEGIN { d = b - a; if (d < 0) d = -d; print (d <= 256 && a <= 16384 && b <= 16384) ? "yes" : "no" }')
  rss_ok[$task]=$flat
  printf '%-8s %14.1f %14.1f %10s\n' "$task" "$(awk -v k="$small" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$large" 'BEGIN { print k / 1024 }')" "$flat"
done

# --- targets ---------------------------------------------------------------

per_item() { awk -v t="${guard_time[$1]}" -v n="${items[$1]}" -v s="${scale[$1]}" 'BEGIN { print t / n * s }'; }
verdict() { awk "BEGIN { exit !($1) }" && echo met || echo MISSED; }
echo
echo "Targets:"
for task in count sum; do
  per=$(per_item "$task")
  printf '  %-42s %s\n' "$task <= 1.0x Lua (is ${lua_ratio[$task]}x)" "$(verdict "${lua_ratio[$task]} <= 1.0")"
  printf '  %-42s %s\n' "$task <= 5 ns/value (is $(printf '%.3g' "$per"))" "$(verdict "$per <= 5")"
done
printf '  %-42s %s\n' "filter <= 1.5x Lua (is ${lua_ratio[filter]}x)" "$(verdict "${lua_ratio[filter]} <= 1.5")"
per=$(per_item many)
printf '  %-42s %s\n' "many <= 1.5 us/question (is $(printf '%.3g' "$per"))" "$(verdict "$per <= 1.5")"
printf '  %-42s %s\n' "many <= 1.0x Lua (is ${lua_ratio[many]}x)" "$(verdict "${lua_ratio[many]} <= 1.0")"
per=$(per_item one)
printf '  %-42s %s\n' "start-up <= 4 ms (is $(printf '%.3g' "$per"))" "$(verdict "$per <= 4")"
flat_all=yes
for task in count sum filter; do [ "${rss_ok[$task]}" = yes ] || flat_all=no; done
printf '  %-42s %s\n' "streaming RSS <= 16 MiB, flat in N" "$([ $flat_all = yes ] && echo met || echo MISSED)"
echo
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
