#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "support/RecordingLineReceiver.h"
#include "xml/XMLResponseWriter.h"

namespace guard {

namespace {

using namespace std::literals;

// A document that meets every layout rule: text after an end tag, empty
// elements, an element holding elements, three levels of nesting.
void writeSample(XMLResponseWriter& writer)
{
    writer.StartDocument("r", {{"v", "1"}});
    writer.StartElement("a");
    writer.StartElement("b");
    writer.WriteText("x");
    writer.EndElement();
    writer.StartElement("c");
    writer.EndElement();
    writer.EndElement();
    writer.WriteText("t");
    writer.StartElement("d");
    writer.Close();
}

struct LayoutCase {
    std::uint32_t mode;
    std::string_view written;
};

TEST(XMLResponseWriter, LaysOutTheDocumentByMode)
{
    const LayoutCase cases[] = {
        {0,
         "{start}<?xml version=\"1.0\"?>\n<r v=\"1\">\n\t<a>\n\t\t<b>x</b>\n\t\t<c></c>\n\t</a>\n"
         "t\n\t<d></d>\n</r>{finish}"},
        {1,
         "{start}<?xml version=\"1.0\"?>\n<r v=\"1\">\n<a>\n<b>x</b>\n<c></c>\n</a>\n"
         "t\n<d></d>\n</r>{finish}"},
        {2, "{start}<?xml version=\"1.0\"?><r v=\"1\"><a><b>x</b><c></c></a>t<d></d></r>{finish}"},
        {7, "{start}<?xml version=\"1.0\"?><r v=\"1\"><a><b>x</b><c></c></a>t<d></d></r>{finish}"},
    };
    for (const auto& c : cases) {
        RecordingLineReceiver output;
        XMLResponseWriter writer(output, c.mode);
        writeSample(writer);
        EXPECT_EQ(output.Written(), c.written) << "layout mode " << c.mode;
        EXPECT_FALSE(output.emptyText);
    }
}

TEST(XMLResponseWriter, ElementsWithoutADocumentStartOnANewLine)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.StartElement("b");
    writer.WriteText("x");
    writer.EndElement();
    writer.EndElement();
    EXPECT_EQ(output.Written(), "\n<a>\n\t<b>x</b>\n</a>");
}

TEST(XMLResponseWriter, DeclarationNamesAnEncodingOnlyWhenGiven)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 2);
    writer.StartDocument("r", {}, "UTF-8");
    writer.Close();
    EXPECT_EQ(output.Written(), "{start}<?xml version=\"1.0\" encoding=\"UTF-8\"?><r></r>{finish}");
}

TEST(XMLResponseWriter, CloseEndsEveryOpenElementThenFinishes)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.StartElement("b");
    writer.StartElement("c");
    writer.Close();
    EXPECT_EQ(output.Written(), "\n<a>\n\t<b>\n\t\t<c></c>\n\t</b>\n</a>{finish}");
    // The writer knows no positions in its input: every one it passes is 0.
    EXPECT_EQ(output.Trace().substr(0, 6), "E0,0 T");
    EXPECT_EQ(output.Trace().substr(output.Trace().size() - 3), " F0");
}

TEST(XMLResponseWriter, IndentsDeeplyNestedElementsWithOneTabPerLevel)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    for (int i = 0; i < 20; ++i)
        writer.StartElement("e");
    writer.StartElement("deep");
    writer.EndElement();
    auto lastLine = [&] { return output.Written().substr(output.Written().rfind('\n') + 1); };
    EXPECT_EQ(lastLine(), std::string(20, '\t') + "<deep></deep>");
    writer.EndElement();
    EXPECT_EQ(lastLine(), std::string(19, '\t') + "</e>");
}

TEST(XMLResponseWriter, EscapesContent)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.WriteText("a<b & c>d \"q\" 'p' \xe9\x80\xff\x7f\x01 x\r\ny\0z"sv);
    EXPECT_EQ(output.Written(), "\n<a>a&lt;b &amp; c&gt;d \"q\" 'p' &#xe9;&#x80;&#xff;\x7f\x01 x\r\ny\0z"sv);
    EXPECT_EQ(output.lineEnds, 1) << "line ends in content are bytes, not LineEnd calls";
}

TEST(XMLResponseWriter, EscapesAttributeValues)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 2);
    writer.StartElement("a", {{"v", "a<b>&\"c\"'\xe9\n"}, {"w", ""}, {"x", "&&"}});
    EXPECT_EQ(output.Written(), "<a v=\"a&lt;b&gt;&amp;&quot;c&quot;'\xe9\n\" w=\"\" x=\"&amp;&amp;\">");
}

TEST(XMLResponseWriter, AcceptsValidNames)
{
    for (std::string_view name : {"a", "_", ":", "Z", "a.b-c_d:e", "A1", "_1.", "x\xb7y", ":-"}) {
        RecordingLineReceiver output;
        XMLResponseWriter writer(output, 2);
        writer.StartElement(name, {{std::string(name), "1"}});
        writer.EndElement();
        std::string n(name);
        EXPECT_EQ(output.Written(), "<" + n + " " + n + "=\"1\"></" + n + ">");
    }
}

// Runs `write` on a writer that already has one open element, and expects
// it to throw an Error with `message`, writing nothing; the writer stays usable.
template <class Error>
void expectRejected(const std::function<void(XMLResponseWriter&)>& write, std::string_view message)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("open");
    std::string before = output.Written();
    try {
        write(writer);
        ADD_FAILURE() << "no exception; expected " << message;
    } catch (const Error& e) {
        EXPECT_EQ(std::string_view(e.what()), message);
    }
    EXPECT_EQ(output.Written(), before) << message;
    writer.EndElement();
    EXPECT_EQ(output.Written(), before + "</open>");
}

TEST(XMLResponseWriter, RejectsInvalidElementNamesBeforeWritingAnything)
{
    for (std::string_view name :
         {""sv, "1abc"sv, "a b"sv, ".a"sv, "-a"sv, "\xb7"sv, "a\xe9"sv, "a>"sv, "a\tb"sv, "\xe9t"sv}) {
        expectRejected<InvalidXMLElementName>([&](XMLResponseWriter& w) { w.StartElement(name); },
                                              "Unable to write XML element with invalid element name '" +
                                                  std::string(name) + "'");
    }
    // The name is written as far as its first zero byte.
    expectRejected<InvalidXMLElementName>([](XMLResponseWriter& w) { w.StartElement("a\0b"sv); },
                                          "Unable to write XML element with invalid element name 'a'");
    // The element name is checked before the attribute names.
    expectRejected<InvalidXMLElementName>(
        [](XMLResponseWriter& w) {
            w.StartElement("1", {{"2", ""}});
        },
        "Unable to write XML element with invalid element name '1'");
}

TEST(XMLResponseWriter, RejectsTheFirstInvalidAttributeName)
{
    expectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"ok", "1"}, {"2x", "2"}, {"", "3"}});
        },
        "Unable to write XML element 'e' with invalid attribute name '2x'");
    expectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"", "1"}});
        },
        "Unable to write XML element 'e' with invalid attribute name ''");
    expectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"x\0y"s, "1"}});
        },
        "Unable to write XML element 'e' with invalid attribute name 'x'");
}

TEST(XMLResponseWriter, StartDocumentChecksTheRootNameAfterTheDeclaration)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    EXPECT_THROW(writer.StartDocument("1", {}), InvalidXMLElementName);
    EXPECT_EQ(output.Written(), "{start}<?xml version=\"1.0\"?>");
}

TEST(XMLResponseWriter, WritesAnyNameWhenValidationIsOff)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 2);
    writer.setValidateNames(false);
    writer.StartElement("1 a", {{"", "v"}});
    writer.EndElement();
    EXPECT_EQ(output.Written(), "<1 a =\"v\"></1 a>");
}

TEST(XMLResponseWriter, EndingWithNoOpenElementIsAUsageError)
{
    RecordingLineReceiver output;
    XMLResponseWriter writer(output, 0);
    EXPECT_THROW(writer.EndElement(), NoOpenXMLElement);
    writer.StartElement("a");
    writer.Close();
    std::string closed = output.Written();
    EXPECT_THROW(writer.EndElement(), NoOpenXMLElement);
    EXPECT_EQ(output.Written(), closed);
}

} // namespace

} // namespace guard
