#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "xml/XMLResponseWriter.h"

namespace guard {

namespace {

using namespace std::literals;

// Records what reaches a LineReceiver: Text bytes as they are, each LineEnd
// as "\n", Start and Finish as "{start}" and "{finish}".
class LineRecorder : public LineReceiver {
public:
    std::string written;
    int lineEnds = 0;
    bool emptyText = false;

    void Start(std::uint64_t position) override
    {
        EXPECT_EQ(position, 0u);
        written += "{start}";
    }
    void Text(const char* begin, const char* end) override
    {
        emptyText = emptyText || begin == end;
        written.append(begin, end);
    }
    void LineEnd(std::uint64_t start, std::uint64_t end) override
    {
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        ++lineEnds;
        written += "\n";
    }
    void Finish(std::uint64_t total) override
    {
        EXPECT_EQ(total, 0u);
        written += "{finish}";
    }
};

// A document that meets every layout rule: text after an end tag, empty
// elements, an element holding elements, three levels of nesting.
void WriteSample(XMLResponseWriter& writer)
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
        LineRecorder output;
        XMLResponseWriter writer(output, c.mode);
        WriteSample(writer);
        EXPECT_EQ(output.written, c.written) << "layout mode " << c.mode;
        EXPECT_FALSE(output.emptyText);
    }
}

TEST(XMLResponseWriter, ElementsWithoutADocumentStartOnANewLine)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.StartElement("b");
    writer.WriteText("x");
    writer.EndElement();
    writer.EndElement();
    EXPECT_EQ(output.written, "\n<a>\n\t<b>x</b>\n</a>");
}

TEST(XMLResponseWriter, DeclarationNamesAnEncodingOnlyWhenGiven)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 2);
    writer.StartDocument("r", {}, "UTF-8");
    writer.Close();
    EXPECT_EQ(output.written, "{start}<?xml version=\"1.0\" encoding=\"UTF-8\"?><r></r>{finish}");
}

TEST(XMLResponseWriter, CloseEndsEveryOpenElementThenFinishes)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.StartElement("b");
    writer.StartElement("c");
    writer.Close();
    EXPECT_EQ(output.written, "\n<a>\n\t<b>\n\t\t<c></c>\n\t</b>\n</a>{finish}");
}

TEST(XMLResponseWriter, IndentsDeeplyNestedElementsWithOneTabPerLevel)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    for (int i = 0; i < 20; ++i)
        writer.StartElement("e");
    writer.StartElement("deep");
    writer.EndElement();
    auto lastLine = [&] { return output.written.substr(output.written.rfind('\n') + 1); };
    EXPECT_EQ(lastLine(), std::string(20, '\t') + "<deep></deep>");
    writer.EndElement();
    EXPECT_EQ(lastLine(), std::string(19, '\t') + "</e>");
}

TEST(XMLResponseWriter, EscapesContent)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("a");
    writer.WriteText("a<b & c>d \"q\" 'p' \xe9\x80\xff\x7f\x01 x\r\ny\0z"sv);
    EXPECT_EQ(output.written, "\n<a>a&lt;b &amp; c&gt;d \"q\" 'p' &#xe9;&#x80;&#xff;\x7f\x01 x\r\ny\0z"sv);
    EXPECT_EQ(output.lineEnds, 1) << "line ends in content are bytes, not LineEnd calls";
}

TEST(XMLResponseWriter, EscapesAttributeValues)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 2);
    writer.StartElement("a", {{"v", "a<b>&\"c\"'\xe9\n"}, {"w", ""}, {"x", "&&"}});
    EXPECT_EQ(output.written, "<a v=\"a&lt;b&gt;&amp;&quot;c&quot;'\xe9\n\" w=\"\" x=\"&amp;&amp;\">");
}

TEST(XMLResponseWriter, AcceptsValidNames)
{
    for (std::string_view name : {"a", "_", ":", "Z", "a.b-c_d:e", "A1", "_1.", "x\xb7y", ":-"}) {
        LineRecorder output;
        XMLResponseWriter writer(output, 2);
        writer.StartElement(name, {{std::string(name), "1"}});
        writer.EndElement();
        std::string n(name);
        EXPECT_EQ(output.written, "<" + n + " " + n + "=\"1\"></" + n + ">");
    }
}

// Runs `write` on a writer that already has one open element, and expects
// it to throw an Error with `message`, writing nothing; the writer stays usable.
template <class Error>
void ExpectRejected(const std::function<void(XMLResponseWriter&)>& write, std::string_view message)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    writer.StartElement("open");
    std::string before = output.written;
    try {
        write(writer);
        ADD_FAILURE() << "no exception; expected " << message;
    } catch (const Error& e) {
        EXPECT_EQ(std::string_view(e.what()), message);
    }
    EXPECT_EQ(output.written, before) << message;
    writer.EndElement();
    EXPECT_EQ(output.written, before + "</open>");
}

TEST(XMLResponseWriter, RejectsInvalidElementNamesBeforeWritingAnything)
{
    for (std::string_view name :
         {""sv, "1abc"sv, "a b"sv, ".a"sv, "-a"sv, "\xb7"sv, "a\xe9"sv, "a>"sv, "a\tb"sv, "\xe9t"sv}) {
        ExpectRejected<InvalidXMLElementName>([&](XMLResponseWriter& w) { w.StartElement(name); },
                                              "Unable to write XML element with invalid element name '" +
                                                  std::string(name) + "'");
    }
    // The name is written as far as its first zero byte.
    ExpectRejected<InvalidXMLElementName>([](XMLResponseWriter& w) { w.StartElement("a\0b"sv); },
                                          "Unable to write XML element with invalid element name 'a'");
    // The element name is checked before the attribute names.
    ExpectRejected<InvalidXMLElementName>(
        [](XMLResponseWriter& w) {
            w.StartElement("1", {{"2", ""}});
        },
        "Unable to write XML element with invalid element name '1'");
}

TEST(XMLResponseWriter, RejectsTheFirstInvalidAttributeName)
{
    ExpectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"ok", "1"}, {"2x", "2"}, {"", "3"}});
        },
        "Unable to write XML element 'e' with invalid attribute name '2x'");
    ExpectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"", "1"}});
        },
        "Unable to write XML element 'e' with invalid attribute name ''");
    ExpectRejected<InvalidXMLAttributeName>(
        [](XMLResponseWriter& w) {
            w.StartElement("e", {{"x\0y"s, "1"}});
        },
        "Unable to write XML element 'e' with invalid attribute name 'x'");
}

TEST(XMLResponseWriter, StartDocumentChecksTheRootNameAfterTheDeclaration)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    EXPECT_THROW(writer.StartDocument("1", {}), InvalidXMLElementName);
    EXPECT_EQ(output.written, "{start}<?xml version=\"1.0\"?>");
}

TEST(XMLResponseWriter, WritesAnyNameWhenValidationIsOff)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 2);
    writer.SetValidateNames(false);
    writer.StartElement("1 a", {{"", "v"}});
    writer.EndElement();
    EXPECT_EQ(output.written, "<1 a =\"v\"></1 a>");
}

TEST(XMLResponseWriter, EndingWithNoOpenElementIsAUsageError)
{
    LineRecorder output;
    XMLResponseWriter writer(output, 0);
    EXPECT_THROW(writer.EndElement(), NoOpenXMLElement);
    writer.StartElement("a");
    writer.Close();
    std::string closed = output.written;
    EXPECT_THROW(writer.EndElement(), NoOpenXMLElement);
    EXPECT_EQ(output.written, closed);
}

} // namespace

} // namespace guard
