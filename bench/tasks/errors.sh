# The first failure of a run: guard answering `1/0` from a file (one
# exception thrown and caught, the first of the process), beside the same
# run answering `1`, the floor's start-up and the peers each raising and
# catching one error. Target: the failing question costs at most 1.25x the
# answered one (the first exception must not cost more than a start-up).
echo "first error..." >&2
describe first-error "first error 1/0" 1 ms 1e3
question "1/0" first-error
question "1" first-error-ok
nonexistent="tr -d '\\r' < \"\$1\" | grep -qx 'E: Singular expression refers to nonexistent object.'"
one=$(answer_is 1)
tool guard "$work/first-error.a" "$nonexistent" "$GUARD" "$work/first-error.q" "$work/first-error.a"
tool guard-ok "$work/first-error-ok.a" "$one" "$GUARD" "$work/first-error-ok.q" "$work/first-error-ok.a"
tool floor "$work/stdout" "$one" "$work/floor" one
tool lua "$work/stdout" "$one" "$LUA" -e 'print(pcall(error, "x") and 0 or 1)'
tool python "$work/stdout" "$one" "$PYTHON" -c $'try:\n    raise ValueError("x")\nexcept ValueError:\n    print(1)'
tool jq "$work/stdout" "$one" "$JQ" -n 'try error("x") catch 1'
measure_task first-error "$STARTUP_RUNS"
target "the first error at most 1.25x an answered question" first-error guard-ok 1.25
