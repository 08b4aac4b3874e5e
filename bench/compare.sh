#!/bin/bash
# Runs the same tasks in guard, the physical floor (a plain C loop compiled
# here with cc -O2), Lua 5.4, python3 and jq, and prints for each task the
# median wall time of whole processes over several rounds (each round runs
# every tool once), the peak RSS, the time per item and the ratio of guard's
# time to each other tool's; then the peak RSS of guard's streaming tasks at
# N = 10^6 and 10^8, and which targets are met. Every run's answer is checked.
#
# Builds nothing but its two helpers (bench/floor.c, bench/measure.c); guard
# is $GUARD, else build/bench/guard, else build/release/guard (`make bench`
# builds the first). RUNS (default 5) rounds per task, STARTUP_RUNS (21)
# for the start-up task.
#
# Each vocabulary adds its tasks in a file of its own, bench/tasks/NAME.sh,
# sourced after the core tasks (see the functions under "vocabulary tasks"
# below). ONLY=NAME runs the tasks of bench/tasks/NAME.sh alone.
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

# run_once RESULT_FILE CHECK COMMAND...: runs COMMAND (its standard output
# into $work/stdout), then CHECK, a shell test on RESULT_FILE given as $1.
# Sets $seconds, $kib (peak RSS) and $passed (yes/no).
run_once() {
  local result=$1 check=$2 code
  shift 2
  # Nothing else of ours runs while the command does (no pipe into a reader).
  "$work/measure" "$work/stdout" "$@" 2> "$work/report"
  read -r seconds kib code < <(tail -n 1 "$work/report")
  passed=yes
  if [ "$code" != 0 ] || ! (set -- "$result"; eval "$check"); then passed=no; fi
}

# Checks, given the result file as $1.
answer_is() { echo "tr -d '\\r' < \"\$1\" | grep -qx 'A: $1\\|$1'"; }
lines_are() { echo "[ \$(grep -c '' \"\$1\") -eq $1 ]"; }
answers_are() { echo "[ \$(grep -c '^A: ' \"\$1\") -eq $1 ] && ! grep -q '^E: ' \"\$1\""; }

# A task's tools are listed with `tool` and then measured by `measure_task`
# in rounds: each round runs every tool once, so that a burst of load from
# elsewhere falls on all of them alike rather than on one tool's runs.
rows=()           # task|tool|median|rss|note|ok
declare -A guard_time time_of   # time_of[task/tool]
names=() results=() checks=() commands=()

# tool NAME RESULT_FILE CHECK COMMAND...
tool() {
  names+=("$1")
  results+=("$2")
  checks+=("$3")
  shift 3
  commands+=("$(printf '%q ' "$@")")
}

# measure_task TASK RUNS: runs the listed tools, adds their rows (median
# time, largest peak RSS, whether every run passed) and clears the list.
measure_task() {
  local task=$1 runs=$2 round t median
  local -a times rss ok
  for ((t = 0; t < ${#names[@]}; t++)); do times[t]=""; rss[t]=0; ok[t]=yes; done
  for ((round = 0; round < runs; round++)); do
    for ((t = 0; t < ${#names[@]}; t++)); do
      eval "run_once \"\${results[t]}\" \"\${checks[t]}\" ${commands[t]}"
      times[t]+="$seconds "
      ((kib > rss[t])) && rss[t]=$kib
      [ "$passed" = yes ] || ok[t]=no
    done
  done
  for ((t = 0; t < ${#names[@]}; t++)); do
    median=$(printf '%s\n' ${times[t]} | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    [ "${names[t]}" = guard ] && guard_time[$task]=$median
    time_of[$task/${names[t]}]=$median
    rows+=("$task|${names[t]}|$median|${rss[t]}||${ok[t]}")
  done
  names=() results=() checks=() commands=()
}
skip_tool() { rows+=("$1|$2|-|-|$3|-"); }

echo "guard: $GUARD"
echo "load before: $(cut -d" " -f1-3 /proc/loadavg)"

# stream_task TASK EXPECTED LUA PYTHON JQ: one of the loops over 1..N, the
# floor's mode named like the task; each tool's program prints EXPECTED.
stream_task() {
  local task=$1 check
  check=$(answer_is "$2")
  echo "$task..." >&2
  tool guard "$work/$task.a" "$check" "$GUARD" "$work/$task.q" "$work/$task.a"
  tool floor "$work/stdout" "$check" "$work/floor" "$task" $N
  tool lua "$work/stdout" "$check" "$LUA" -e "$3"
  tool python "$work/stdout" "$check" "$PYTHON" -c "$4"
  tool jq "$work/stdout" "$check" "$JQ" -n "$5"
  measure_task "$task" "$RUNS"
}

if [ -z "${ONLY:-}" ]; then
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
tool guard "$work/many.a" "$(answers_are $QUESTIONS)" "$GUARD" "$work/many.q" "$work/many.a"
tool floor "$work/many.copy" "$(lines_are $QUESTIONS)" "$work/floor" copy "$work/many.q" "$work/many.copy"
tool lua "$work/many.lua.out" "$(lines_are $QUESTIONS)" \
  "$LUA" "$here/many-questions.lua" "$work/many.lua.txt" "$work/many.lua.out"
tool python "$work/many.py.out" "$(lines_are $QUESTIONS)" \
  "$PYTHON" "$here/many-questions.py" "$work/many.py.txt" "$work/many.py.out"
measure_task many "$RUNS"
skip_tool many jq "no eval of expression text"

echo "start-up..." >&2
one=$(answer_is 1)
tool guard "$work/one.a" "$one" "$GUARD" "$work/one.q" "$work/one.a"
tool floor "$work/stdout" "$one" "$work/floor" one
tool lua "$work/stdout" "$one" "$LUA" -e "print(1)"
tool python "$work/stdout" "$one" "$PYTHON" -c "print(1)"
tool jq "$work/stdout" "$one" "$JQ" -n 1
measure_task one "$STARTUP_RUNS"
fi

# --- vocabulary tasks --------------------------------------------------------

# describe TASK TITLE ITEMS UNIT SCALE: how the table names a task and
# writes its time per item (seconds * SCALE / ITEMS, in UNIT).
describe() { title[$1]=$2; items[$1]=$3; unit[$1]=$4; scale[$1]=$5; }
# target LABEL TASK TOOL MAX: a target line, met when guard's time on TASK is
# at most MAX times TOOL's.
targets=()
target() { targets+=("$1|$2|$3|$4"); }

declare -A title=([count]="count 1e7" [sum]="sum 1e7" [filter]="filter 1e7" [many]="many questions 1e5" [one]="start-up")
declare -A items=([count]=$N [sum]=$N [filter]=$N [many]=$QUESTIONS [one]=1)
declare -A unit=([count]="ns/value" [sum]="ns/value" [filter]="ns/value" [many]="us/question" [one]="ms")
declare -A scale=([count]=1e9 [sum]=1e9 [filter]=1e9 [many]=1e6 [one]=1e3)

for tasks in "$here"/tasks/*.sh; do
  [ -e "$tasks" ] || continue
  name=$(basename "$tasks" .sh)
  [ -z "${ONLY:-}" ] || [ "$ONLY" = "$name" ] || continue
  # shellcheck source=/dev/null
  . "$tasks"
done

# --- the table -------------------------------------------------------------

echo
echo "Median of $RUNS rounds ($STARTUP_RUNS for start-up), each round running every tool once;"
echo "RSS is the largest peak seen; ratio = guard time / tool time; ok = every answer checked right."
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

per_item() { awk -v t="${guard_time[$1]}" -v n="${items[$1]}" -v s="${scale[$1]}" 'BEGIN { print t / n * s }'; }
verdict() { awk "BEGIN { exit !($1) }" && echo met || echo MISSED; }

if [ ${#targets[@]} -gt 0 ]; then
  echo
  echo "Vocabulary targets (ratio = guard time / tool time):"
  for entry in "${targets[@]}"; do
    IFS='|' read -r label task tool max <<< "$entry"
    r=$(awk -v g="${guard_time[$task]:-0}" -v t="${time_of[$task/$tool]:-0}" 'BEGIN { if (t > 0) printf "%.2f", g / t; else print "nan" }')
    ok=MISSED; [ "$r" != nan ] && [ "$(verdict "$r <= $max")" = met ] && ok=met
    printf '  %-60s %s\n' "$label (is ${r}x)" "$ok"
  done
fi
if [ -n "${ONLY:-}" ]; then
  echo
  echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit 0
fi

# --- RSS of the streaming tasks against N ----------------------------------

echo
echo "Peak RSS of guard's streaming tasks (one run each):"
printf '%-8s %14s %14s %10s\n' task "N=10^6 MiB" "N=10^8 MiB" "flat"
declare -A rss_ok
for task in count sum filter; do
  declare -A at=()
  failed=no
  for n in 1000000 100000000; do
    sed "s/$N/$n/" "$work/$task.q" > "$work/$task-$n.q"
    case $task in count) want=$n ;; sum) want=$((n * (n + 1) / 2)) ;; filter) want=$((n / 2)) ;; esac
    run_once "$work/$task-$n.a" "$(answer_is $want)" "$GUARD" "$work/$task-$n.q" "$work/$task-$n.a"
    at[$n]=$kib
    [ "$passed" = yes ] || failed=yes
  done
  small=${at[1000000]} large=${at[100000000]}
  # Flat: within 256 KiB (page-granular noise), and under 16 MiB.
  flat=$(awk -v a="$small" -v b="$large" 'BEGIN { d = b - a; if (d < 0) d = -d; print (d <= 256 && a <= 16384 && b <= 16384) ? "yes" : "no" }')
  [ "$failed" = no ] || flat="no (a run failed)"
  rss_ok[$task]=$flat
  printf '%-8s %14.1f %14.1f %10s\n' "$task" "$(awk -v k="$small" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$large" 'BEGIN { print k / 1024 }')" "$flat"
done

# --- targets ---------------------------------------------------------------

# The same less guard's own start-up time (for information: every figure
# above is whole-process).
net_per_item() {
  awk -v t="${guard_time[$1]}" -v z="${guard_time[one]}" -v n="${items[$1]}" -v s="${scale[$1]}" \
    'BEGIN { printf "%.3g", (t - z) / n * s }'
}
echo
echo "Targets (net = less guard's start-up time):"
for task in count sum; do
  per=$(per_item "$task")
  printf '  %-52s %s\n' "$task <= 1.0x Lua (is ${lua_ratio[$task]}x)" "$(verdict "${lua_ratio[$task]} <= 1.0")"
  printf '  %-52s %s\n' "$task <= 5 ns/value (is $(printf '%.3g' "$per"), net $(net_per_item "$task"))" \
    "$(verdict "$per <= 5")"
done
printf '  %-52s %s\n' "filter <= 1.5x Lua (is ${lua_ratio[filter]}x)" "$(verdict "${lua_ratio[filter]} <= 1.5")"
per=$(per_item many)
printf '  %-52s %s\n' "many <= 1.5 us/question (is $(printf '%.3g' "$per"), net $(net_per_item many))" \
  "$(verdict "$per <= 1.5")"
printf '  %-52s %s\n' "many <= 1.0x Lua (is ${lua_ratio[many]}x)" "$(verdict "${lua_ratio[many]} <= 1.0")"
per=$(per_item one)
above=$(awk -v g="${guard_time[one]}" -v f="${time_of[one/floor]}" 'BEGIN { printf "%.3g", (g - f) * 1e3 }')
printf '  %-52s %s\n' "start-up <= 4 ms (is $(printf '%.3g' "$per"), $above above the floor)" "$(verdict "$per <= 4")"
flat_all=yes
for task in count sum filter; do [ "${rss_ok[$task]}" = yes ] || flat_all=no; done
printf '  %-52s %s\n' "streaming RSS <= 16 MiB, flat in N" "$([ $flat_all = yes ] && echo met || echo MISSED)"
echo
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
