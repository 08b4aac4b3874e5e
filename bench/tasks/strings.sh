# String vocabulary tasks for bench/compare.sh (sourced; see the functions
# under "vocabulary tasks" there): splitting a joined million numbers, and
# Base64 of a joined 100,000 numbers, beside Python and Lua doing the same.

split_question() {
  printf 'Q: number of substrings separated by "," of concatenation "," of ((integers in (1, %s)) as string)\r\n' "$1"
}
split_question 1000000 > "$work/split.q"
echo "split..." >&2
check=$(answer_is 1000000)
tool guard "$work/split.a" "$check" "$GUARD" "$work/split.q" "$work/split.a"
tool lua "$work/stdout" "$check" "$LUA" -e \
  'local t={} for i=1,1000000 do t[i]=tostring(i) end local s=table.concat(t,",") local c=1 for _ in s:gmatch(",") do c=c+1 end print(c)'
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'print(len(",".join(str(i) for i in range(1, 1000001)).split(",")))'
measure_task split "$RUNS"
describe split "split 1e6" 1000000 "ns/piece" 1e9
target "split <= 0.5x Python" split python 0.5

# 488,895 digits encode to 651,860 characters.
printf 'Q: length of base64 encode (concatenation of ((integers in (1, 100000)) as string))\r\n' > "$work/base64.q"
echo "base64..." >&2
check=$(answer_is 651860)
tool guard "$work/base64.a" "$check" "$GUARD" "$work/base64.q" "$work/base64.a"
tool lua "$work/stdout" "$check" "$LUA" -e '
local t={} for i=1,100000 do t[i]=tostring(i) end local s=table.concat(t)
local a="ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
local function c(v) return a:sub(v+1,v+1) end
local o={} local n=#s local i=1
while i+2<=n do local x=(s:byte(i)<<16)|(s:byte(i+1)<<8)|s:byte(i+2)
  o[#o+1]=c(x>>18)..c(x>>12&63)..c(x>>6&63)..c(x&63) i=i+3 end
if n-i==0 then local x=s:byte(i)<<16 o[#o+1]=c(x>>18)..c(x>>12&63).."=="
elseif n-i==1 then local x=(s:byte(i)<<16)|(s:byte(i+1)<<8) o[#o+1]=c(x>>18)..c(x>>12&63)..c(x>>6&63).."=" end
print(#table.concat(o))'
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'import base64; print(len(base64.b64encode("".join(str(i) for i in range(1, 100001)).encode())))'
measure_task base64 "$RUNS"
describe base64 "base64 1e5 numbers" 488895 "ns/byte" 1e9
target "base64 <= 2x Python" base64 python 2

# Peak RSS of the split against the number of pieces: the joined text grows
# with N (about 7 bytes a piece); the pieces themselves are views into it.
echo "split RSS..." >&2
for n in 100000 10000000; do
  split_question $n > "$work/split-$n.q"
  run_once "$work/split-$n.a" "$(answer_is $n)" "$GUARD" "$work/split-$n.q" "$work/split-$n.a"
  echo "split RSS at $n pieces: $((kib / 1024)) MiB (answer ok: $passed)" >&2
done

# Regular expressions beside Python's re (and Lua's patterns, which have no
# alternation but can say these two): a filter whose regex is compiled once,
# and every match of "7" in the joined numbers.
printf 'Q: number of (integers in (1, 100000)) whose ((it as string) contains regex "^[0-9]*7[0-9]*$")\r\n' \
  > "$work/regex-filter.q"
echo "regex filter..." >&2
check=$(answer_is 40951)
tool guard "$work/regex-filter.a" "$check" "$GUARD" "$work/regex-filter.q" "$work/regex-filter.a"
tool lua "$work/stdout" "$check" "$LUA" -e \
  'local c=0 for i=1,100000 do if tostring(i):find("^%d*7%d*$") then c=c+1 end end print(c)'
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'import re
p = re.compile(r"^[0-9]*7[0-9]*$")
print(sum(1 for i in range(1, 100001) if p.search(str(i))))'
measure_task regex-filter "$RUNS"
describe regex-filter "regex filter 1e5" 100000 "ns/value" 1e9
target "regex filter <= 1.5x Python" regex-filter python 1.5

printf 'Q: number of matches (regex "7") of concatenation of ((integers in (1, 100000)) as string)\r\n' \
  > "$work/regex-matches.q"
echo "regex matches..." >&2
check=$(answer_is 50000)
tool guard "$work/regex-matches.a" "$check" "$GUARD" "$work/regex-matches.q" "$work/regex-matches.a"
tool lua "$work/stdout" "$check" "$LUA" -e \
  'local t={} for i=1,100000 do t[i]=tostring(i) end local s=table.concat(t) local c=0 for _ in s:gmatch("7") do c=c+1 end print(c)'
tool python "$work/stdout" "$check" "$PYTHON" -c \
  'import re
s = "".join(str(i) for i in range(1, 100001))
print(len(re.findall("7", s)))'
measure_task regex-matches "$RUNS"
describe regex-matches "regex matches 1e5" 50000 "ns/match" 1e9
target "regex matches <= 2x Python" regex-matches python 2
