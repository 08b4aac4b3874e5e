// XSL patterns written as XPath: what is translated and what is refused.
#include <gtest/gtest.h>

#include <string>

#include "Inspectors/Portable/XmlDom/XPathSelection.h"
#include "Inspectors/Portable/XmlDom/XslPatternTranslation.h"

namespace guard {

namespace {

std::string translated(std::string_view pattern)
{
    std::string xpath = "left over";
    try {
        XmlDom::translatePattern(pattern, xpath);
    } catch (const XmlDomSelectionError& e) {
        return std::string("refused: ") + e.what();
    }
    return xpath;
}

TEST(XslPatternTranslation, PathsAndNamesAreWrittenAsTheyAre)
{
    for (const char* same : {"a", "/a/b", "//a/@x", "../a", "./*", "@*", "p:a/q:b", "p:*", "a|b", "/", "a[@x='y']",
                             "a[b and c or d]", "a[text()=\"t\"]", "comment()", "a/node()", "/|a", "(a|b)"})
        EXPECT_EQ(translated(same), same);
    // White space between tokens goes; inside a literal it stays.
    EXPECT_EQ(translated(" a / b [ @x = ' y ' ] "), "a/b[@x=' y ']");
    // Words and stars by position: an operator after an operand, else a name.
    EXPECT_EQ(translated("and/or[and and or]"), "and/or[and and or]");
    EXPECT_EQ(translated("*/*[*]"), "*/*[*]");
}

TEST(XslPatternTranslation, IndexesCountFromZero)
{
    EXPECT_EQ(translated("a[0]"), "a[0+1]");
    EXPECT_EQ(translated("a/b[12]/c[1]"), "a/b[12+1]/c[1+1]");
    EXPECT_EQ(translated("a[1][0]"), "a[1+1][0+1]");
    // Only a filter that is a whole number alone is an index.
    EXPECT_EQ(translated("a[@x > 0]"), "a[@x>0]");
    EXPECT_EQ(translated("a[1.5]"), "a[1.5]");
    EXPECT_EQ(translated("a[(0)]"), "a[(0)]");
    EXPECT_EQ(translated("a[b[0]]"), "a[b[0+1]]");
    EXPECT_EQ(translated("a[end()]"), "a[(position()=last())]");
    EXPECT_EQ(translated("a[index() $lt$ 2]"), "a[(position()-1)<2]");
}

TEST(XslPatternTranslation, OperatorsAndMethods)
{
    EXPECT_EQ(translated("a[@x $eq$ 1 $and$ @y $ne$ 2 $or$ @z $ge$ 3]"), "a[@x=1 and @y!=2 or @z>=3]");
    EXPECT_EQ(translated("a[@x $le$ 1 $and$ @x $gt$ 0]"), "a[@x<=1 and @x>0]");
    EXPECT_EQ(translated("a $union$ b"), "a|b");
    EXPECT_EQ(translated("a[nodeName() = 'x']/value()"), "a[name()='x']/.");
    EXPECT_EQ(translated("a/textnode() | pi() | element() | attribute()"), "a/text()|processing-instruction()|*|@*");
    // A literal is never rewritten.
    EXPECT_EQ(translated("a[@x = '$eq$ [0] end()']"), "a[@x='$eq$ [0] end()']");
}

TEST(XslPatternTranslation, NegationBindsLooserThanComparisonTighterThanAnd)
{
    EXPECT_EQ(translated("a[$not$ @x]"), "a[not(@x)]");
    EXPECT_EQ(translated("a[$not$ @x $and$ @y]"), "a[not(@x) and @y]");
    EXPECT_EQ(translated("a[$not$ @x = 1 or @y]"), "a[not(@x=1) or @y]");
    EXPECT_EQ(translated("a[@y or $not$ (@x = 1)]"), "a[@y or not((@x=1))]");
    EXPECT_EQ(translated("a[$not$ $not$ @x]"), "a[not(not(@x))]");
    EXPECT_EQ(translated("$not$ a"), "not(a)");
    EXPECT_EQ(translated("a[$not$ b[$not$ @c]]"), "a[not(b[not(@c)])]");
}

TEST(XslPatternTranslation, WhatXPathCannotSayIsRefused)
{
    const char* prefix = "refused: The XSL pattern cannot be written as XPath: ";
    EXPECT_EQ(translated("a[@x $ieq$ 'A']"), std::string(prefix) + "$ieq$");
    EXPECT_EQ(translated("$any$ a"), std::string(prefix) + "$any$");
    EXPECT_EQ(translated("$all$ a"), std::string(prefix) + "$all$");
    EXPECT_EQ(translated("a!nodeName()"), std::string(prefix) + "!");
    EXPECT_EQ(translated("a[cdata()]"), std::string(prefix) + "cdata()");
    EXPECT_EQ(translated("a[date() = 1]"), std::string(prefix) + "date()");
    EXPECT_EQ(translated("a[ancestor(b)]"), std::string(prefix) + "ancestor(b)");
    EXPECT_EQ(translated("element('b')"), std::string(prefix) + "element('b')");
    EXPECT_EQ(translated("count(a)"), std::string(prefix) + "count(a)");
    EXPECT_EQ(translated("ancestor::a"), std::string(prefix) + "ancestor::a");
    EXPECT_EQ(translated("a[@x = 'open]"), std::string(prefix) + "'open]");
    EXPECT_EQ(translated("a[$eq"), std::string(prefix) + "$eq");
    EXPECT_EQ(translated("a[-1]"), std::string(prefix) + "-");
    // What does not read as a pattern is refused whole.
    for (const char* malformed :
         {"", "a[b", "a]", "a//", "/a/", "a[]", "@", "a b", "a[$not$]", "= 1", "a[1 =]", "a | | b", "()", "a[0]]"})
        EXPECT_EQ(translated(malformed), std::string(prefix) + malformed) << malformed;
}

} // namespace

} // namespace guard
