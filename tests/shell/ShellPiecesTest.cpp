#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pipeline/StringReceiver.h"
#include "shell/Completion.h"
#include "shell/Continuation.h"
#include "shell/JsonText.h"
#include "shell/ShellOptions.h"

namespace guard {

namespace {

std::string json(std::string_view bytes)
{
    std::string out;
    StringReceiver receiver(out);
    writeJsonString(receiver, bytes);
    return out;
}

bool contains(const std::vector<std::string>& words, const std::string& word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

TEST(ShellContinuation, OpenParenthesesStringsAndCommentsContinue)
{
    EXPECT_FALSE(questionContinues("1 + 1"));
    EXPECT_FALSE(questionContinues(""));
    EXPECT_TRUE(questionContinues("number of (integers in (1"));
    EXPECT_FALSE(questionContinues("number of (integers in (1, 2))"));
    EXPECT_TRUE(questionContinues("\"abc"));
    EXPECT_FALSE(questionContinues("\"a(b\""));        // a parenthesis in a string is text
    EXPECT_TRUE(questionContinues("\"a)\" & (\"b\"")); // and does not close one either
    EXPECT_TRUE(questionContinues("1 /* note"));
    EXPECT_FALSE(questionContinues("1 /* ( */ + 2"));
    EXPECT_FALSE(questionContinues("1)")); // too many closed: the parser says so
    EXPECT_FALSE(questionContinues("4 / 2"));
}

TEST(ShellJson, ValidUtf8PassesAndEveryOtherByteIsEscaped)
{
    EXPECT_EQ(json(""), "\"\"");
    EXPECT_EQ(json("plain text"), "\"plain text\"");
    EXPECT_EQ(json("q\"b\\"), "\"q\\\"b\\\\\"");
    EXPECT_EQ(json("a\nb\tc\rd"), "\"a\\nb\\tc\\rd\"");
    EXPECT_EQ(json(std::string_view("\0\x01\x1f\x7f", 4)), "\"\\u0000\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(json("caf\xc3\xa9"), "\"caf\xc3\xa9\"");
    EXPECT_EQ(json("\xf0\x9f\x98\x80"), "\"\xf0\x9f\x98\x80\"");
    // Not UTF-8: a lone continuation byte, a lead without its tail, an
    // overlong form, a surrogate, a code point past U+10FFFF.
    EXPECT_EQ(json("\x80"), "\"\\u0080\"");
    EXPECT_EQ(json("\xc3"), "\"\\u00c3\"");
    EXPECT_EQ(json("\xc3 "), "\"\\u00c3 \"");
    EXPECT_EQ(json("\xc0\xaf"), "\"\\u00c0\\u00af\"");
    EXPECT_EQ(json("\xed\xa0\x80"), "\"\\u00ed\\u00a0\\u0080\"");
    EXPECT_EQ(json("\xf4\x90\x80\x80"), "\"\\u00f4\\u0090\\u0080\\u0080\"");
    EXPECT_EQ(json("\xe9t\xe9"), "\"\\u00e9t\\u00e9\"");
}

TEST(ShellCompletion, PhrasesKeywordsCastsAndTypes)
{
    auto complete = [](std::string_view line) {
        std::size_t start = line.find_last_of(kCompletionWordBreaks);
        start = start == std::string_view::npos ? 0 : start + 1;
        return completionsAt(line, start, line.size());
    };
    // A phrase of several words, from its first word on.
    std::vector<std::string> integers = complete("sum of integers i");
    EXPECT_TRUE(contains(integers, "sum of integers in"));
    for (const std::string& word : integers)
        EXPECT_EQ(word.rfind("sum of integers i", 0), 0u) << word;
    // After an operator or parenthesis the word starts again.
    EXPECT_EQ(complete("1 + (numb"), std::vector<std::string>{"number of"});
    // Keywords.
    EXPECT_TRUE(contains(complete("1 whos"), "1 whose"));
    // Casts after "as", and only casts.
    std::vector<std::string> casts = complete("1 as str");
    EXPECT_TRUE(contains(casts, "1 as string"));
    EXPECT_FALSE(contains(casts, "1 as strings")) << "a property's plural is no cast";
    for (const std::string& word : casts)
        EXPECT_EQ(word.rfind("1 as str", 0), 0u) << word;
    // Type names after "type", quoted.
    std::vector<std::string> types = complete("type \"intege");
    EXPECT_TRUE(contains(types, "type \"integer\""));
    // Nothing known: no completion.
    EXPECT_TRUE(complete("zzzq").empty());
    // An empty word offers everything.
    EXPECT_GT(complete("").size(), 20u);
}

TEST(ShellOptionsTest, DurationsAndCounts)
{
    std::uint64_t us = 0;
    EXPECT_TRUE(parseDuration("2", us));
    EXPECT_EQ(us, 2000000u);
    EXPECT_TRUE(parseDuration("1.5s", us));
    EXPECT_EQ(us, 1500000u);
    EXPECT_TRUE(parseDuration("250ms", us));
    EXPECT_EQ(us, 250000u);
    EXPECT_TRUE(parseDuration("2m", us));
    EXPECT_EQ(us, 120000000u);
    EXPECT_TRUE(parseDuration("10us", us));
    EXPECT_EQ(us, 10u);
    for (const char* bad : {"", "s", "0", "0.0001us", "-1s", "1x", "1 s", "25h", "1e3", "nan", ".s"})
        EXPECT_FALSE(parseDuration(bad, us)) << bad;

    const char* argv[] = {"guard-shell", "-e", "1", "--eval=2", "--max-answers", "7", "--timeout=3s", "f", "--", "-x"};
    ShellOptions options = parseShellOptions(10, const_cast<char**>(argv));
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.questions, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(options.files, (std::vector<std::string>{"f", "-x"}));
    EXPECT_EQ(options.maxAnswers, 7u);
    EXPECT_EQ(options.timeoutMicroseconds, 3000000u);
}

} // namespace guard
