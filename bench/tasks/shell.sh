# guard-shell: the time from start to the first answer, `guard-shell -e 1+1`,
# beside guard answering the same question from a file, the floor's
# start-up and the peers' `1+1`. Target: within 5 ms (median).
# guard-shell is $GUARD_SHELL, else the one beside $GUARD.
GUARD_SHELL=${GUARD_SHELL:-$(dirname "$GUARD")/guard-shell}
if [ -x "$GUARD_SHELL" ]; then
  echo "guard-shell start-up..." >&2
  describe shell-one "shell -e 1+1" 1 ms 1e3
  question "1+1" shell-one
  two=$(answer_is 2)
  tool guard "$work/stdout" "$two" "$GUARD_SHELL" -e "1+1"
  tool guard-file "$work/shell-one.a" "$two" "$GUARD" "$work/shell-one.q" "$work/shell-one.a"
  tool floor "$work/stdout" "$(answer_is 1)" "$work/floor" one
  tool lua "$work/stdout" "$two" "$LUA" -e "print(1+1)"
  tool python "$work/stdout" "$two" "$PYTHON" -c "print(1+1)"
  tool jq "$work/stdout" "$two" "$JQ" -n 1+1
  measure_task shell-one "$STARTUP_RUNS"
  shell_ms=$(awk -v t="${guard_time[shell-one]}" 'BEGIN { printf "%.2f", t * 1000 }')
  shell_verdict=$(awk -v ms="$shell_ms" 'BEGIN { print (ms <= 5 ? "met" : "MISSED (see the floor beside it for the load)") }')
  echo "guard-shell -e 1+1: median $shell_ms ms, target 5 ms: $shell_verdict" >&2
  target "guard-shell -e 1+1 at most 1.25x guard's start-up from a file" shell-one guard-file 1.25
else
  echo "guard-shell: not built beside $GUARD, its task is skipped" >&2
fi
