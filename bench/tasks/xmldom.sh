# XML documents, sourced by bench/compare.sh (ONLY=xmldom runs these alone).
#
# xml-large: one document of 100,000 elements <b i='1'/> .. <b i='100000'/>,
#   built in the question from a loop with "concatenation of" (the other
#   tools read the same text from a file), counting the elements whose i is
#   a multiple of 7: guard's "number of xpaths", xmllint --xpath
#   count(...), ElementTree. Before anything is timed, the SHA-1 of the
#   text the question builds is checked against the file's.
# xml-many: 100,000 small documents, each built from the loop's integer,
#   loaded and queried in one question (two elements selected from each):
#   guard and ElementTree; xmllint reads one document per run, so it has no
#   equivalent.
XML_ELEMENTS=100000
XML_DOCUMENTS=100000
XMLLINT=$(command -v xmllint || true)

xml_text="concatenation of (\"<a>\"; (\"<b i='\" & it as string & \"'/>\") of integers in (1, $XML_ELEMENTS); \"</a>\")"
question "number of xpaths \"//b[@i mod 7 = 0]\" of xml document of $xml_text" xml-large
question "sha1 of $xml_text" xml-large-text
"$PYTHON" - "$work" "$XML_ELEMENTS" <<'PY'
import sys
work, n = sys.argv[1], int(sys.argv[2])
text = "<a>" + "".join("<b i='%d'/>" % i for i in range(1, n + 1)) + "</a>"
with open(work + "/xml-large.xml", "w") as f:
    f.write(text)
PY
"$GUARD" "$work/xml-large-text.q" "$work/xml-large-text.a"
xml_sha1=$("$PYTHON" -c 'import hashlib, sys; print(hashlib.sha1(open(sys.argv[1], "rb").read()).hexdigest())' \
  "$work/xml-large.xml")
if ! tr -d '\r' < "$work/xml-large-text.a" | grep -qx "A: $xml_sha1"; then
  echo "compare.sh: the question's text is not the file's (SHA-1 $xml_sha1):" >&2
  cat "$work/xml-large-text.a" >&2
  exit 1
fi
question "sum of (number of xpaths \"/a/b\" of xml document of (\"<a><b n='\" & it as string & \"'/><b/></a>\")) of integers in (1, $XML_DOCUMENTS)" xml-many

echo "xml-large..." >&2
large_check=$(answer_is $((XML_ELEMENTS / 7)))
tool guard "$work/xml-large.a" "$large_check" "$GUARD" "$work/xml-large.q" "$work/xml-large.a"
if [ -n "$XMLLINT" ]; then
  tool xmllint "$work/stdout" "$large_check" "$XMLLINT" --xpath "count(//b[@i mod 7 = 0])" "$work/xml-large.xml"
fi
tool python "$work/stdout" "$large_check" "$PYTHON" -c "
import xml.etree.ElementTree as ET
root = ET.parse('$work/xml-large.xml').getroot()
print(sum(1 for b in root.iter('b') if int(b.get('i')) % 7 == 0))"
measure_task xml-large "$RUNS"
[ -n "$XMLLINT" ] || skip_tool xml-large xmllint "xmllint missing (libxml2-utils)"
describe xml-large "xml 1e5 elements" $XML_ELEMENTS "us/element" 1e6
target "xml-large: guard within 1.2x of xmllint --xpath" xml-large xmllint 1.2

echo "xml-many..." >&2
many_check=$(answer_is $((2 * XML_DOCUMENTS)))
tool guard "$work/xml-many.a" "$many_check" "$GUARD" "$work/xml-many.q" "$work/xml-many.a"
tool python "$work/stdout" "$many_check" "$PYTHON" -c "
import xml.etree.ElementTree as ET
print(sum(len(ET.fromstring(\"<a><b n='%d'/><b/></a>\" % i).findall('b')) for i in range(1, $XML_DOCUMENTS + 1)))"
measure_task xml-many "$RUNS"
skip_tool xml-many xmllint "one document per process"
describe xml-many "xml 1e5 documents" $XML_DOCUMENTS "us/document" 1e6
