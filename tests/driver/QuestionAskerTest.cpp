// The question asker's answer block as a writer sees it: the order of the
// parts, what a failure at each stage leaves out, and the options that
// guard-shell uses (no evaluation, an answer limit).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/AnswerBlockWriter.h"
#include "driver/EvalContext.h"
#include "driver/ExpressionMessageMaker.h"
#include "driver/GuardReceiver.h"
#include "driver/QuestionAsker.h"

namespace guard {

namespace {

class RecordingWriter final : public AnswerBlockWriter {
public:
    std::vector<std::string> parts;

    void questionText(std::string_view text) override { question += text; }
    void questionEnd() override { parts.push_back("Q " + question); }
    void answer(std::string_view text) override { parts.push_back("A " + std::string(text)); }
    void error(std::string_view message) override { parts.push_back("E " + std::string(message)); }
    void time(std::uint64_t) override { parts.push_back("T"); }
    void type(std::string_view name) override { parts.push_back("I " + std::string(name)); }
    void blockEnd() override { parts.push_back("end"); }

    std::string question;
};

class Asking : public testing::Test {
protected:
    Asking() { context.fillFunctionTables(true); }

    std::vector<std::string> ask(const std::string& text, QuestionOptions options)
    {
        options.showErrors = true;
        RecordingWriter writer;
        qnaGuardReceiver receiver(context);
        QuestionAsker asker(writer, receiver, messages, options);
        asker.Start(0);
        // In two pieces, as a folded line arrives.
        std::size_t half = text.size() / 2;
        asker.Text(text.data(), text.data() + half);
        asker.Text(text.data() + half, text.data() + text.size());
        asker.Finish(0);
        failed = asker.failed();
        return writer.parts;
    }

    EvalContext context;
    ExpressionMessageMaker messages;
    bool failed = false;
};

using Parts = std::vector<std::string>;

} // namespace

TEST_F(Asking, AnswersThenTimeThenTypeThenTheEnd)
{
    QuestionOptions options;
    options.times = options.types = true;
    EXPECT_EQ(ask("integers in (1, 2)", options),
              (Parts{"Q integers in (1, 2)", "A 1", "A 2", "T", "I integer", "end"}));
    EXPECT_FALSE(failed);
}

TEST_F(Asking, AFailureBeforeEvaluationLeavesOutTimeAndType)
{
    QuestionOptions options;
    options.times = options.types = true;
    EXPECT_EQ(ask("1 +", options), (Parts{"Q 1 +", "E " + std::string("This expression could not be parsed."), "end"}));
    EXPECT_TRUE(failed);
}

TEST_F(Asking, AFailureWhileEvaluatingKeepsTheAnswersBeforeIt)
{
    QuestionOptions options;
    options.types = true;
    EXPECT_EQ(ask("item 0 of (integers in (1, 2), 2)", options),
              (Parts{"Q item 0 of (integers in (1, 2), 2)", "A 1", "E Singular expression refers to non-unique object.",
                     "I integer", "end"}));
    EXPECT_TRUE(failed);
}

TEST_F(Asking, WithoutEvaluationOnlyBindingFailures)
{
    QuestionOptions options;
    options.evaluate = false;
    options.types = true;
    EXPECT_EQ(ask("item 0 of (integers in (1, 2), 2)", options),
              (Parts{"Q item 0 of (integers in (1, 2), 2)", "I integer", "end"}));
    EXPECT_FALSE(failed);
    EXPECT_EQ(ask("1 + \"a\"", options)[1].substr(0, 2), "E ");
    EXPECT_TRUE(failed);
}

TEST_F(Asking, AnAnswerLimitStopsOnlyAQuestionWithMore)
{
    QuestionOptions options;
    options.maxAnswers = 2;
    EXPECT_EQ(ask("integers in (1, 2)", options), (Parts{"Q integers in (1, 2)", "A 1", "A 2", "end"}));
    EXPECT_FALSE(failed);
    EXPECT_EQ(ask("integers in (1, 9223372036854775807)", options),
              (Parts{"Q integers in (1, 9223372036854775807)", "A 1", "A 2",
                     "E Answer limit reached: stopped after 2 answers.", "end"}));
    EXPECT_TRUE(failed);
    options.maxAnswers = 1;
    EXPECT_EQ(ask("(3; 4)", options)[2], "E Answer limit reached: stopped after 1 answer.");
}

} // namespace guard
