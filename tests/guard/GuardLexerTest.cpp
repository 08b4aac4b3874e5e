#include <gtest/gtest.h>

#include <string>

#include "support/ChunkedInput.h"
#include "support/GuardTokenRecorder.h"
#include "support/RepeatedText.h"
#include "guard/lexer/GuardLexer.h"
#include "pipeline/DataOverflow.h"

namespace guard {

namespace {

struct LexCase {
    std::string text;
    std::string tokens;
};

// The tokens of `text`, or the tokens up to the error that stopped it.
std::string lex(GuardLexer& lexer, GuardTokenRecorder& recorder, const std::vector<std::string_view>& chunks)
{
    try {
        feedChunks(lexer, chunks);
    } catch (const StopLexing&) {
    } catch (const DataOverflow&) {
        recorder.log += " !DataOverflow";
    }
    return recorder.log;
}

// Every case is also lexed in two chunks split at every offset and byte by
// byte; all must give the same tokens.
void expectTokens(const std::vector<LexCase>& cases)
{
    GuardTokenRecorder recorder;
    GuardLexer lexer(recorder);
    for (const LexCase& test : cases)
        for (const Chunking& chunking : chunkingsOf(test.text))
            EXPECT_EQ(lex(lexer, recorder, chunking.chunks), test.tokens)
                << "text «" << test.text.substr(0, 80) << "» fed " << chunking.name;
}

std::string repeated(char c, std::size_t count) { return std::string(count, c); }

TEST(GuardLexer, PhrasesAreSplitAtKeywordsByLongestMatch)
{
    expectTokens({
        {"A Name Of IT", "phrase(name) of it"},
        {"number of files", "phrase(number) of phrase(files)"},
        {"the name of it", "phrase(name) of it"},
        {"is greater than or equal to", "relation[8 swap]"},
        {"x is greater than or 5", "phrase(x) relation[7 swap] or 5@21-22"},
        {"x is not foo", "phrase(x) relation[6 neg] phrase(foo)"},
        {"x IS NOT EQUAL TO y", "phrase(x) relation[6 neg] phrase(y)"},
        {"exists no x", "exists-no phrase(x)"},
        {"there exists a x", "exists phrase(x)"},
        {"there do not exist files", "exists-no phrase(files)"},
        {"it is not it", "it relation[6 neg] it"},
        {"x is contained by y", "phrase(x) relation[11 swap] phrase(y)"},
        {"x does not start with y", "phrase(x) relation[9 neg] phrase(y)"},
        {"size of file whose name", "phrase(size) of phrase(file) whose phrase(name)"},
        {"if a then b else c", "if then phrase(b) else phrase(c)"},
        {"x mod y and z or w as string", "phrase(x) product[4] phrase(y) and phrase(z) or phrase(w) as phrase(string)"},
        {"name2 file's", "phrase(name2 file's)"},
        {"time_of_day", "phrase(time_of_day)"},
        {"time of day", "phrase(time) of phrase(day)"},
        {"2name", "2@0-1 phrase(name)"},
        {"name\"x\"", "phrase(name) \"x\"@4-7"},
        {"names 2", "phrase(names) 2@6-7"},
        {"\tx\r\n=\n1", "phrase(x) relation[6]@4-5 1@6-7"},
        // An article alone leaves no phrase.
        {"a/*x*/b", "phrase(b)"},
    });
}

// A word that only begins a longer keyword is a plain word, at the end of a
// phrase as anywhere else; matching then goes on with the next word ("not").
TEST(GuardLexer, UnfinishedKeywordsAtTheEndOfAPhraseArePlainWords)
{
    expectTokens({
        {"x starts", "phrase(x starts)"},
        {"there", "phrase(there)"},
        {"x does not", "phrase(x does) not"},
        {"x does not y", "phrase(x does) not phrase(y)"},
        {"x does not (y)", "phrase(x does) not (@11-12 phrase(y) )@13-14"},
        {"x there (y)", "phrase(x there) (@8-9 phrase(y) )@10-11"},
        {"starts of x", "phrase(starts) of phrase(x)"},
        {"x is does not", "phrase(x) relation[6] phrase(does) not"},
        {"x starts with", "phrase(x) relation[9]"},
        {"there exists", "exists"},
        {"x is not greater", "phrase(x) relation[6 neg] phrase(greater)"},
    });
}

TEST(GuardLexer, OperatorsAndComments)
{
    expectTokens({
        {"<=", "relation[8]@0-2"},
        {"<>", "relation[7]@0-1 relation[7 swap]@1-2"},
        {"((", "(@0-1 (@1-2"},
        {">=!=", "relation[8 swap]@0-2 relation[6 neg]@2-4"},
        {"1-2", "1@0-1 -@1-2 2@2-3"},
        {"x&y|z;w,v", "phrase(x) product[5]@1-2 phrase(y) |@3-4 phrase(z) ;@5-6 phrase(w) ,@7-8 phrase(v)"},
        {"!", "!InvalidOperator@0-1"},
        {"!x", "!InvalidOperator@0-1"},
        {"x/y", "phrase(x) product[3]@1-2 phrase(y)"},
        {"x /", "phrase(x) product[3]@2-3"},
        {"//", "product[3]@0-1 product[3]@1-2"},
        {"/=", "product[3]@0-1 relation[6]@1-2"},
        {"x/*y*/z", "phrase(x) phrase(z)"},
        {"1/**/2", "1@0-1 2@5-6"},
        {"/* a * / b **/", ""},
        {"x/*y", "phrase(x) !UnfinishedComment@1-4"},
        {"/*/", "!UnfinishedComment@0-3"},
        {"/*", "!UnfinishedComment@0-2"},
    });
}

TEST(GuardLexer, StringConstants)
{
    expectTokens({
        {"\"\"", "\"\"@0-2"},
        {"\"abc\"", "\"abc\"@0-5"},
        {"\"%41%62\"", "\"Ab\"@0-8"},
        {"\"%22%25%ff\"", "\"%22%25%FF\"@0-11"},
        {"\"a\r\n\xFF\"", "\"a%0D%0A%FF\"@0-6"},
        {"\"%4", "!UnfinishedString@0-3"},
        {"\"abc", "!UnfinishedString@0-4"},
        {"\"%4x\"", "!BadEscape@0"},
        {"\"%4\"", "!BadEscape@0"},
        {"\"%\"", "!BadEscape@0"},
        {"\"a\"\"b\"", "\"a\"@0-3 \"b\"@3-6"},
        {joined("\"", repeated('s', 512), "\""), joined("\"", repeated('s', 512), "\"@0-514")},
        {joined("\"", repeated('s', 513), "\""), "!StringTooLong@0-515"},
        {joined("\"", repeated('s', 511), "%41\""), joined("\"", repeated('s', 511), "A\"@0-516")},
        {joined("\"", repeated('s', 512), "%41\""), "!StringTooLong@0-517"},
        {joined("\"", repeated('s', 600)), "!UnfinishedString@0-601"},
    });
}

TEST(GuardLexer, IntegerConstants)
{
    expectTokens({
        {"0", "0@0-1"},
        {"007", "7@0-3"},
        {"9223372036854775808", "9223372036854775808@0-19"},
        {"18446744073709551615", "18446744073709551615@0-20"},
        {"18446744073709551616", "!NumeralTooLarge@0-20"},
        {"184467440737095516150 x", "!NumeralTooLarge@0-21"},
        {"12ab", "12@0-2 phrase(ab)"},
        {"1.5", "1@0-1 !UnexpectedCharacter(.)@1"},
    });
}

TEST(GuardLexer, BytesOfNoClassAreUnexpected)
{
    expectTokens({
        {"$", "!UnexpectedCharacter($)@0"},
        {"x #", "phrase(x) !UnexpectedCharacter(#)@2"},
        {"x.y", "phrase(x) !UnexpectedCharacter(.)@1"},
        {"\x80", "!UnexpectedCharacter(%80)@0"},
        {"na\xC3\xAFve", "phrase(na) !UnexpectedCharacter(%C3)@2"},
        {"'s", "!UnexpectedCharacter(')@0"},
        {std::string("x\0", 2), "phrase(x) !UnexpectedCharacter(%00)@1"},
    });
}

TEST(GuardLexer, WordAndPhraseLimits)
{
    std::string w63 = repeated('w', 63), w62 = repeated('v', 62);
    std::string six63, seven63, eight62;
    for (int i = 0; i < 6; ++i)
        six63 += w63 + " ";
    seven63 = six63 + w63 + " ";
    for (int i = 0; i < 8; ++i)
        eight62 += w62 + " ";
    std::string plain = seven63.substr(0, seven63.size() - 1);
    expectTokens({
        {w63, "phrase(" + w63 + ")"},
        {joined("x ", repeated('W', 64), " y"), "!WordTooLong"},
        {repeated('w', 200), "!WordTooLong"},
        // Seven words of 63 bytes leave 64 bytes of the buffer.
        {plain, "phrase(" + plain + ")"},
        {seven63 + w63, "!PhraseTooLong"},
        // Eight words of 62 bytes leave 8 bytes: 6 letters fit, 7 fill the
        // buffer, 8 do not fit.
        {eight62 + "abcdef", "phrase(" + eight62 + "abcdef)"},
        {eight62 + "abcdefg", "!PhraseTooLong"},
        {eight62 + "abcdefgh", " !DataOverflow"},
        // Articles take no room; a keyword empties the buffer.
        {six63 + "the a an " + w63 + " of " + seven63, "phrase(" + six63 + w63 + ") of phrase(" + plain + ")"},
    });
}

} // namespace

} // namespace guard
