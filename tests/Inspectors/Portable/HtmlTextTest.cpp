#include <gtest/gtest.h>

#include <string>

#include "Inspectors/Portable/Html/HtmlText.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

// Pieces and written text live in the current thread's allocator.
class HtmlTextTest : public ::testing::Test {
private:
    InlineStackAllocator<1 << 16> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

String stringOf(std::string_view text) { return String(text.data(), std::uint32_t(text.size())); }

std::string written(Html value)
{
    String text = htmlText(value);
    EXPECT_EQ(text.length, htmlLength(value));
    return std::string(text.view());
}

TEST_F(HtmlTextTest, EscapingReplacesExactlyFourBytesAndKeepsTheRest)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    std::string want;
    for (char c : all)
        want += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    EXPECT_EQ(written(htmlEscaped(stringOf(all))), want);
    EXPECT_EQ(escapedLength(all), want.size());
    std::string appended = "x";
    appendEscaped(appended, all);
    EXPECT_EQ(appended, "x" + want);
}

TEST_F(HtmlTextTest, PiecesAreWrittenInTheirPlacesWhateverTheShapeOfTheTree)
{
    Html cell = htmlElement(stringOf("td"), stringOf("class=c"), htmlEscaped(stringOf("a<b")));
    Html row = htmlElement(stringOf("tr"), String(), htmlJoin(cell, htmlJoin(htmlMarkup(stringOf("<td/>")), cell)));
    Html empty = htmlEmptyElement(stringOf("br"), String());
    EXPECT_EQ(written(htmlJoin(row, empty)), "<tr><td class=c>a&lt;b</td><td/><td class=c>a&lt;b</td></tr><br/>");
    EXPECT_EQ(written(htmlEmptyElement(stringOf("img"), stringOf("src=x"))), "<img src=x/>");
    EXPECT_EQ(written(htmlElement(stringOf("p"), String(), Html{})), "<p></p>");
    EXPECT_EQ(written(htmlJoin(Html{}, Html{})), "");
    std::string appended = "[";
    appendHtml(appended, htmlJoin(empty, cell));
    EXPECT_EQ(appended, "[<br/><td class=c>a&lt;b</td>");
}

TEST_F(HtmlTextTest, LongChainsOfJoinsAreWrittenWithoutDeepRecursion)
{
    // A chain of "&" grows to the left: 200000 pieces deep.
    Html chain = htmlMarkup(stringOf("<"));
    for (int i = 0; i < 200000; ++i)
        chain = htmlJoin(chain, htmlEscaped(stringOf("<")));
    std::string text = written(chain);
    EXPECT_EQ(text.size(), 1 + 200000 * 4u);
    EXPECT_EQ(text.substr(0, 9), "<&lt;&lt;");
}

TEST_F(HtmlTextTest, OnePieceOfMarkupIsWrittenWithoutACopy)
{
    String source = stringOf("<b>x</b>");
    EXPECT_EQ(htmlText(htmlMarkup(source)).data, source.data);
    EXPECT_EQ(htmlText(htmlEscaped(stringOf("plain"))).view(), "plain");
}

} // namespace

} // namespace guard
