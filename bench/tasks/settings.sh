# Start-up with the setting store and the masthead (sourced by compare.sh).
#
# The question "1" answered by guard: with no settings database and no
# masthead (the common case, which must cost nothing measurable), with a
# database holding the FIPS setting, and copied beside a masthead that asks
# for FIPS mode (read, then a FIPS attempt that fails on a library without a
# FIPS provider). The floor is the plain C program; "base" is guard built
# from the commit before the store ($GUARD_BASE, when given). Every guard
# runs through env(1) with its own GUARD_SETTINGS_DB.

settings_tool=${GUARD_SETTINGS:-$(dirname "$GUARD")/guard-settings}
echo "settings start-up..." >&2
none_db="$work/settings-none.db"
one=$(answer_is 1)

tool guard "$work/settings-none.a" "$one" env GUARD_SETTINGS_DB="$none_db" "$GUARD" "$work/one.q" "$work/settings-none.a"
if [ -x "${GUARD_BASE:-}" ]; then
  tool base "$work/settings-base.a" "$one" env GUARD_SETTINGS_DB="$none_db" "$GUARD_BASE" "$work/one.q" \
    "$work/settings-base.a"
fi
tool floor "$work/stdout" "$one" "$work/floor" one
measure_task settings-none "$STARTUP_RUNS"
[ -x "${GUARD_BASE:-}" ] || skip_tool settings-none base "no GUARD_BASE binary"
describe settings-none "start-up, no settings" 1 ms 1e3
# Within 0.3 ms of a start-up of about 3.3 ms.
target "start-up without settings within 0.3 ms of base (<= 1.09x)" settings-none base 1.09

if [ -x "$settings_tool" ]; then
  GUARD_SETTINGS_DB="$work/settings.db" "$settings_tool" set _ArdoClient_Cryptography_FipsMode none
  tool guard "$work/settings-db.a" "$one" env GUARD_SETTINGS_DB="$work/settings.db" "$GUARD" "$work/one.q" \
    "$work/settings-db.a"
  tool floor "$work/stdout" "$one" "$work/floor" one
  measure_task settings-db "$STARTUP_RUNS"
  describe settings-db "start-up, FIPS setting" 1 ms 1e3
fi

mkdir -p "$work/site"
cp "$GUARD" "$work/site/guard"
printf 'Content-Type: multipart/signed; boundary=s\r\n\r\n--s\r\nContent-Type: application/x-torvik-site-masthead\r\nX-Ardo-Require-Fips-Cryptography: 1\r\n\r\n--s\r\nContent-Type: application/pkcs7-signature\r\n\r\nU0lH\r\n--s--\r\n' \
  > "$work/site/ActionSite.aqzm"
tool guard "$work/settings-masthead.a" "$one" env GUARD_SETTINGS_DB="$none_db" "$work/site/guard" "$work/one.q" \
  "$work/settings-masthead.a"
tool floor "$work/stdout" "$one" "$work/floor" one
measure_task settings-masthead "$STARTUP_RUNS"
describe settings-masthead "start-up, masthead" 1 ms 1e3
