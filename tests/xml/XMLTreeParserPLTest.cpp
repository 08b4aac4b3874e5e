#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "xml/XMLParserReceiver.h"
#include "xml/XMLTestFeeding.h"
#include "xml/XMLTreeParserPL.h"

namespace guard {

namespace {

// name[attr=value,...]{text}(child child ...), the brackets only when not
// empty; a whole tree as one line.
std::string render(const XMLElementPL& element)
{
    std::string out = visible(element.name);
    if (!element.attributes.empty()) {
        out += "[";
        for (const auto& [name, value] : element.attributes)
            out += (out.back() == '[' ? "" : ",") + visible(name) + "=" + visible(value);
        out += "]";
    }
    if (!element.text.empty())
        out += "{" + visible(element.text) + "}";
    if (!element.children.empty()) {
        out += "(";
        for (const auto& child : element.children)
            out += (out.back() == '(' ? "" : " ") + render(child);
        out += ")";
    }
    return out;
}

// The tree, "-" when there is no root, then "closed" or "open".
std::string outcome(const XMLTreeParserPL& parser)
{
    std::string out = parser.Root() ? render(*parser.Root()) : "-";
    return out + (parser.IsStackEmpty() ? " closed" : " open");
}

struct TreeCase {
    std::string_view document;
    std::string_view tree;
};

void PrintTo(const TreeCase& c, std::ostream* out) { *out << visible(c.document); }

const TreeCase kTreeCases[] = {
    {"<a>x &lt; y</a>", "a{x < y} closed"},
    {"<?xml version=\"1.0\"?>\r\n<r v='1'>\r\n <i><d>1</d><e>2</e></i>\r\n</r>\r\n",
     "r[v=1]{\\x0d\\x0a \\x0d\\x0a}(i(d{1} e{2})) closed"},
    {"<r>a<x>b</x>c<![CDATA[1 < 2]]>d<!-- skip -->e</r>", "r{ac1 < 2de}(x{b}) closed"},
    {"<r><?pi a='1'?>t</r>", "r{t} closed"},
    // "<i/>" closes the innermost open element, here "r"; what follows is
    // outside every element.
    {"<r><i><d>1</d></i>t<i/>u</r>", "r{t}(i(d{1})) closed"},
    {"<r><a-b>1</a-b></r>", "r(ab{1}) closed"},
    {"<r><a--b>1</a-b></r>", "r open"},
    {"<a x='1'>t<b></b></a><c y='2'>u<d></d></c>", "c[y=2]{tu}(b d) closed"},
    {"</a></b><r></r>", "r closed"},
    {"<r><a>x</a><b c='", "r(a{x}) open"},
    {"<r><a>x</a><b", "r(a{x}) open"},
    {"<r>tail", "r open"},
    {"", "- closed"},
    {"only text &amp; more", "- closed"},
    {"<?xml version='1.0'?><!-- c -->", "- closed"},
};

class TreeTable : public testing::TestWithParam<TreeCase> { };

TEST_P(TreeTable, BuildsTheSameTreeHowEverTheDocumentIsCut)
{
    const TreeCase& c = GetParam();
    {
        XMLTreeParserPL parser;
        feedBytewise(parser, c.document);
        EXPECT_EQ(outcome(parser), c.tree) << "fed a byte at a time";
    }
    for (const auto& cuts : allTwoCutSplits(c.document)) {
        XMLTreeParserPL parser;
        feedInChunks(parser, c.document, cuts);
        ASSERT_EQ(outcome(parser), c.tree) << "cut at " << cuts[0] << " and " << cuts[1];
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, TreeTable, testing::ValuesIn(kTreeCases));

TEST(XMLElementPL, CopyingCopiesTheWholeSubtree)
{
    XMLTreeParserPL parser;
    std::string_view document = "<r><a><b>1</b></a></r>";
    parser.Parse(document.data(), document.data() + document.size());
    ASSERT_NE(parser.Root(), nullptr);

    XMLElementPL copy = *parser.Root();
    copy.children[0].children[0].text = "2";
    copy.children[0].children.emplace_back("c", XMLAttributeList{{"k", "v"}});
    EXPECT_EQ(render(*parser.Root()), "r(a(b{1}))");
    EXPECT_EQ(render(copy), "r(a(b{2} c[k=v]))");
}

TEST(XMLElementPL, DeeplyNestedElementsAreReadAndFreedWithoutRecursion)
{
    const std::size_t depth = 200000;
    std::string document;
    for (std::size_t i = 0; i < depth; ++i)
        document += "<e>";
    document += "x";
    for (std::size_t i = 0; i < depth; ++i)
        document += "</e>";
    {
        XMLTreeParserPL parser;
        parser.Parse(document.data(), document.data() + document.size());
        ASSERT_TRUE(parser.IsStackEmpty());
        std::size_t levels = 1;
        const XMLElementPL* element = parser.Root();
        for (; !element->children.empty(); element = &element->children[0])
            ++levels;
        EXPECT_EQ(levels, depth);
        EXPECT_EQ(element->text, "x");
    }
    XMLElementPL moved("r", {});
    moved.children.emplace_back("a", XMLAttributeList{});
    moved.children[0].children.emplace_back("b", XMLAttributeList{});
    XMLElementPL target = std::move(moved);
    EXPECT_EQ(render(target), "r(a(b))");
    EXPECT_TRUE(moved.children.empty());
}

TEST(XMLParserReceiver, FeedsAPipelineStreamToTheParser)
{
    XMLTreeParserPL parser;
    XMLParserReceiver receiver(parser);
    DataWriter& writer = receiver;
    receiver.Start();
    std::string_view parts[] = {"<r><i>a", "b</i", "><i x='", "1'>c</i></r>"};
    for (std::string_view part : parts)
        writer.Write(part.data(), part.data() + part.size());
    receiver.Finish();
    EXPECT_EQ(outcome(parser), "r(i{ab} i[x=1]{c}) closed");
}

} // namespace

} // namespace guard
