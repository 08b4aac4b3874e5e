#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "xml/SimpleXMLParserPL.h"
#include "xml/XMLEntity.h"
#include "xml/XMLTestFeeding.h"

namespace guard {

namespace {

// Writes every event as one word: S(name|attr=value|...), E(name), C(text),
// P(name|attr=value|...), separated by spaces.
class EventRecorder : public XMLHandler {
public:
    std::string events;

    void StartElement(std::string_view name, const XMLAttributeList& attributes) override
    {
        tag("S", name, attributes);
    }
    void EndElement(std::string_view name) override { add("E(" + visible(name) + ")"); }
    void Characters(std::string_view text) override { add("C(" + visible(text) + ")"); }
    void ProcessingInstruction(std::string_view name, const XMLAttributeList& attributes) override
    {
        tag("P", name, attributes);
    }

private:
    void tag(const char* kind, std::string_view name, const XMLAttributeList& attributes)
    {
        std::string word = std::string(kind) + "(" + visible(name);
        for (const auto& [attributeName, value] : attributes)
            word += "|" + visible(attributeName) + "=" + visible(value);
        add(word + ")");
    }
    void add(const std::string& word) { events += (events.empty() ? "" : " ") + word; }
};

struct ReaderCase {
    std::string_view document;
    std::string_view events;
};

void PrintTo(const ReaderCase& c, std::ostream* out) { *out << visible(c.document); }

using namespace std::string_view_literals;

const ReaderCase kReaderCases[] = {
    // Text, entities in text, and where character data is cut into calls.
    {"<a>x &lt; y</a>", "S(a) C(x ) C(<) C( y) E(a)"},
    {"<a>1 > 0 \"q\"</a>", "S(a) C(1 > 0 \"q\") E(a)"},
    {"<a>&#x41;&#65;&apos;&gt;&amp;&quot;</a>", "S(a) C(A) C(&#65;) C(&apos;) C(>) C(&) C(\") E(a)"},
    {"<a>&#xZZ;&#x;&#x100;&#X41;&LT;</a>", "S(a) C(\\x00) C(\\x00) C(&#x100;) C(&#X41;) C(&LT;) E(a)"},
    {"<a>&l<t;</a>", "S(a) C(&l<t;) E(a)"},
    {"<a>\n <b>x</b>\r\n</a>", "S(a) C(\\x0a ) S(b) C(x) E(b) C(\\x0d\\x0a) E(a)"},
    {"<a>tail", "S(a)"},
    {"lead<a>", "C(lead) S(a)"},
    {"<a>\xe9\xff</a>", "S(a) C(\\xe9\\xff) E(a)"},
    // Attributes: both quotes, entities, blanks before "=", odd separators.
    {"<a b=\"1\" c='2'>", "S(a|b=1|c=2)"},
    {"<a b = \"1\">", "S(a|b =1)"},
    {"<a v=\"it's\" w='say \"hi\"'>", "S(a|v=it's|w=say \"hi\")"},
    {"<a v=\"&lt;&amp;&#x42;&apos;&quot;&#xZZ;\">", "S(a|v=<&B&apos;\"\\x00)"},
    {"<a v='x&q'y;'>", "S(a|v=x&q'y;)"},
    {"<a b=1 c='2'>", "S(a|b=2)"},
    {"<a b='1' ?>", "S(a|b=1)"},
    {"<a  b=''   c=\"\" >", "S(a|b=|c=)"},
    {"<a b='1'\r\nc='2'>", "S(a|b=1|\\x0d\\x0ac=2)"},
    {"<a b='1'/>x<c d='2'>", "S(a|b=1|/>x<c d=2)"},
    {"<a b><c d='1'>", "S(a|b><c d=1)"},
    {"<a x='1'><b y='2' z='3'></b><c></c></a>", "S(a|x=1) S(b|y=2|z=3) E(b) S(c) E(c) E(a)"},
    // Tag names: only the space separates; "/" makes an end tag; "-" counts.
    {"<a\tb='1'>", "S(a\\x09b='1')"},
    {"<a\nb=\"1\">", "S(a\\x0ab=\"1\")"},
    {"</a\n>", "E(a\\x0a)"},
    {"< a>", "S(a)"},
    {"<>", "S()"},
    {"</>", "E()"},
    {"<a/>", "E(a)"},
    {"<a/b>", "E(ab)"},
    {"<a-/b>", "E(ab)"},
    {"</a-b>", "E(a-b)"},
    {"<a-b>", "S(ab)"},
    {"<a--b>x</a>", ""},
    {"<a--b>x</a>-->y<c>", "C(y) S(c)"},
    {"<a-b-c>t--><d>", "S(d)"},
    // Comments.
    {"<!-- note -->", ""},
    {"<a><!-- a - b -- c --></a>", "S(a) E(a)"},
    {"<!---->z<b>", "C(z) S(b)"},
    {"<!-->x-- >y-->z<b>", "C(z) S(b)"},
    {"<a>1<!-- - -->2</a>", "S(a) C(1) C(2) E(a)"},
    // CDATA.
    {"<a>pre<![CDATA[1 < 2]]>post</a>", "S(a) C(pre) C(1 < 2) C(post) E(a)"},
    {"<a><![CDATA[x]]y]>z]]]>]]></a>", "S(a) C(x]]y]>z]) C(]]>) E(a)"},
    {"<a><![CDATA[]]></a>", "S(a) E(a)"},
    {"<a><![CDATA[<b>&lt;</b>]]></a>", "S(a) C(<b>&lt;</b>) E(a)"},
    {"<![CDATA[a\0bcd]]>"sv, "C(abcd)"},
    {"<![CD-ATA[x]]>", "C(x)"},
    {"<![CDATA[open", ""},
    // Processing instructions.
    {"<?xml version=\"1.0\"?><r></r>", "P(?xml|version=1.0) S(r) E(r)"},
    {"<?pi?>", "P(?pi?)"},
    // A document cut in the middle of a tag.
    {"<r><a x='1", "S(r)"},
    {"<r><a", "S(r)"},
};

class ReaderTable : public testing::TestWithParam<ReaderCase> { };

std::string parseInChunks(std::string_view document, const std::vector<std::size_t>& cuts)
{
    EventRecorder recorder;
    SimpleXMLParserPL parser(recorder);
    feedInChunks(parser, document, cuts);
    return recorder.events;
}

TEST_P(ReaderTable, GivesTheSameEventsHowEverTheDocumentIsCut)
{
    const ReaderCase& c = GetParam();
    EventRecorder bytewise;
    SimpleXMLParserPL parser(bytewise);
    feedBytewise(parser, c.document);
    EXPECT_EQ(bytewise.events, c.events) << "fed a byte at a time";

    for (const auto& cuts : allTwoCutSplits(c.document))
        ASSERT_EQ(parseInChunks(c.document, cuts), c.events) << "cut at " << cuts[0] << " and " << cuts[1];
}

INSTANTIATE_TEST_SUITE_P(Documents, ReaderTable, testing::ValuesIn(kReaderCases));

TEST(SimpleXMLParserPL, AttributeListIsCutBackForEachTag)
{
    EventRecorder recorder;
    SimpleXMLParserPL parser(recorder);
    std::string_view document = "<a x='1' y='2' z='3'><b w='4'><c><?p q='5'?>";
    parser.Parse(document.data(), document.data() + document.size());
    EXPECT_EQ(recorder.events, "S(a|x=1|y=2|z=3) S(b|w=4) S(c) P(?p|q=5)");
}

struct EntityCase {
    std::string_view entity;
    std::string_view decoded;
};

TEST(DecodeXMLEntity, NamedAndHexadecimalReferences)
{
    const EntityCase cases[] = {
        {"&lt;", "<"},          {"&gt;", ">"},
        {"&amp;", "&"},         {"&quot;", "\""},
        {"&#x41;", "A"},        {"&#x0041;", "A"},
        {"&#x6a;", "j"},        {"&#x6A;", "j"},
        {"&#x41zz;", "A"},      {"&#xff;", "\xff"},
        {"&#xZZ;", "\0"sv},     {"&#x;", "\0"sv},
        {"&#x100;", "&#x100;"}, {"&#xffffffffffffffffffff41;", "&#xffffffffffffffffffff41;"},
        {"&#X41;", "&#X41;"},   {"&#65;", "&#65;"},
        {"&apos;", "&apos;"},   {"&LT;", "&LT;"},
        {"&lt ;", "&lt ;"},     {"&;", "&;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeXMLEntity(c.entity), c.decoded) << c.entity;
}

} // namespace

} // namespace guard
