// Question files that are huge, deeply nested or full of odd bytes: every
// question gets its own answer block with a sentence a user understands, and
// the questions after it are still answered.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "driver/EvalContext.h"
#include "driver/QuestionAndAnswerMode.h"
#include "registry/InspectorInterrupter.h"
#include "support/RepeatedText.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

std::string answerFile(const std::string& questions)
{
    TempDirectory temp;
    std::string source = temp.Write("questions.txt", questions);
    QuestionOptions options;
    options.showErrors = true;
    EXPECT_TRUE(runQuestionAndAnswerMode(FileLocation(source), FileLocation(temp / "answers.txt"), options));
    return TempDirectory::Read(temp / "answers.txt");
}

const std::string kTooDeep = "E: This expression is nested too deeply.\r\n\r\n";
const std::string kAfter = "Q: 1+1\r\nA: 2\r\n\r\n";

// Compares without printing megabytes: on a difference, shows where it starts.
void expectSame(const std::string& actual, const std::string& expected, const std::string& label)
{
    if (actual == expected)
        return;
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    std::size_t from = at < 80 ? 0 : at - 80;
    ADD_FAILURE() << label << ": sizes " << actual.size() << " and " << expected.size() << " differ from byte " << at
                  << "\n actual:   «" << actual.substr(from, 160) << "»\n expected: «" << expected.substr(from, 160)
                  << "»";
}

} // namespace

TEST(HostileQuestionFile, DeeplyNestedQuestionsAreRefusedOneByOne)
{
    const std::size_t n = 100000;
    const std::vector<std::string> questions = {
        repeat("not ", n) + "true",
        repeat("-", n) + "1",
        repeat("(", n) + "1" + repeat(")", n),
        repeat("length of ", n) + "\"x\"",
        repeat("it of ", n) + "1",
        joined("1", repeat("+1", n)),
        joined("1", repeat(";1", n)),
        joined("1", repeat(",1", n)),
        repeat("1 whose (", n) + "true" + repeat(")", n),
        joined("1", repeat(" whose (true)", n)),
        repeat("if true then ", n) + "1" + repeat(" else 0", n),
    };
    std::string input, expected;
    for (const std::string& question : questions) {
        input += "Q: " + question + "\n";
        expected += "Q: " + question + "\r\n" + kTooDeep;
    }
    input += "Q: 1+1\n";
    expected += kAfter;
    expectSame(answerFile(input), expected, "deep questions");
}

TEST(HostileQuestionFile, ATupleOfManyElementsIsRefusedWithItsOwnSentence)
{
    const std::string wide = joined("(", repeat("1, ", 200), "1) = (1, 2)");
    expectSame(answerFile("Q: " + wide + "\nQ: 1+1\n"),
               "Q: " + wide + "\r\nE: This expression has a very long tuple.\r\n\r\n" + kAfter, "wide tuple");
}

TEST(HostileQuestionFile, HugeLinesGetTheLexersAnswers)
{
    // 50 MB where the lexer reads everything (blanks, a string constant) or
    // stops early (a phrase); the other limits at 1 MB, to keep the test short.
    const std::size_t big = 50u << 20, small = 1u << 20;
    struct Case {
        const char* name;
        std::function<std::string()> question;
        std::string block;
    } cases[] = {
        {"phrase", [&] { return repeat("x ", big / 2); }, "E: This expression has a very long phrase.\r\n\r\n"},
        {"string", [&] { return joined("\"", repeat("y", big), "\""); },
         "E: This expression has a very long string.\r\n\r\n"},
        {"blanks", [&] { return joined("1 +", repeat(" ", big), "1"); }, "A: 2\r\n\r\n"},
        {"word", [&] { return repeat("w", small); }, "E: This expression has a very long word.\r\n\r\n"},
        {"operators", [&] { return repeat("1+", small / 2) + "1"; }, kTooDeep},
        {"comment", [&] { return joined("/*", repeat("*", small), "/ 2"); }, "A: 2\r\n\r\n"},
    };
    for (const Case& c : cases) {
        std::string question = c.question();
        std::string answers = answerFile("Q: " + question + "\nQ: 1+1\n");
        expectSame(answers, "Q: " + question + "\r\n" + c.block + kAfter, c.name);
    }
}

TEST(HostileQuestionFile, NulBytesLoneCarriageReturnsAndInvalidUtf8)
{
    const std::string input = std::string("Q: 1\0"
                                          "2\n",
                                          7) +
        "Q: 3\rQ: 4\n\rQ: 5\r\r" + "Q: \"\xff\xfe\xc3\" & \"\xe9\"\n" + "Q: \xc3\xa9t\xe9\n" +
        std::string("note: \0\xff\n", 9) + "Q: \"a%00b\"\n";
    const std::string expected = std::string("Q: 1\0"
                                             "2\r\n",
                                             8) +
        "E: This expression contained a character which is not allowed.\r\n\r\n"
        "Q: 3\r\nA: 3\r\n\r\n"
        "Q: 4\r\nA: 4\r\n\r\n"
        "Q: 5\r\nA: 5\r\n\r\n"
        "Q: \"\xff\xfe\xc3\" & \"\xe9\"\r\nA: %ff%fe%c3%e9\r\n\r\n"
        "Q: \xc3\xa9t\xe9\r\n"
        "E: This expression contained a character which is not allowed.\r\n\r\n" +
        std::string("note:\0\xff\r\n", 9) + "Q: \"a%00b\"\r\nA: a%00b\r\n\r\n";
    expectSame(answerFile(input), expected, "odd bytes");
}

TEST(HostileQuestionFile, ManyQuestionsAreAllAnswered)
{
    const std::size_t n = 20000;
    std::string expected = repeat("Q: 1+1\r\nA: 2\r\n\r\nQ: 1+\r\nE: This expression could not be parsed.\r\n\r\n", n);
    expectSame(answerFile(repeat("Q: 1+1\nQ: 1+\n", n)), expected, "many questions");
}

// Found by fuzzing: a question that asks for about 2^63 values runs for ever
// under the program's own context. Under a context that interrupts, the
// mode writes the values so far and then the interruption.
TEST(HostileQuestionFile, AQuestionWithoutEndStopsWhenItsContextInterrupts)
{
    class StopAfterThreeValues final : public EvalContext, public InspectorInterrupter {
    public:
        bool keepGoing() override { return ++points_ < 3; }
        void interrupt() override { throw InspectorInterruption(); }

    private:
        int points_ = 0;
    } context;
    context.fillFunctionTables(true);
    TempDirectory temp;
    const std::string question = "Q: integers in (least integer + greatest integer - 2, greatest integer)";
    std::string source = temp.Write("questions.txt", question + "\n");
    QuestionOptions options;
    options.showErrors = true;
    EXPECT_TRUE(runQuestionAndAnswerMode(FileLocation(source), FileLocation(temp / "answers.txt"), options, context));
    EXPECT_EQ(TempDirectory::Read(temp / "answers.txt"),
              question + "\r\nA: -3\r\nA: -2\r\nA: -1\r\nE: Inspector interrupted.\r\n\r\n");
}

} // namespace guard
