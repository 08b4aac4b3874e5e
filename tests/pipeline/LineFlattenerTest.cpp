#include <gtest/gtest.h>

#include <string>

#include "pipeline/LineFlattener.h"
#include "pipeline/LineMaker.h"
#include "pipeline/StageNotAttached.h"
#include "pipeline/StringReceiver.h"
#include "support/RecordingDataReceiver.h"
#include "support/TextPieces.h"

namespace guard {

namespace {

std::string flatten(const std::string& input, std::string_view lineEnd)
{
    std::string output;
    StringReceiver sink(output);
    LineFlattener flattener(sink, lineEnd);
    LineMaker maker(flattener);
    maker.Start();
    maker.Receive(input.data(), input.data() + input.size());
    maker.Finish();
    return output;
}

} // namespace

TEST(LineFlattener, EndsEveryLineWithItsSequence)
{
    EXPECT_EQ(flatten("a\nb\rc\n\rd\r\ne", "\r\n"), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(flatten("\n\n\r\r", "\r\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(flatten("a\r\nb\r\n", "\n"), "a\nb\n");
    EXPECT_EQ(flatten("", "\r\n"), "");
}

TEST(LineFlattener, FinishDetachesFromDownstream)
{
    RecordingDataReceiver counter;
    LineFlattener flattener(counter, "\r\n");
    flattener.Start(0);
    lineText(flattener, "x");
    flattener.LineEnd(0, 0);
    flattener.Finish(0);
    EXPECT_EQ(counter.count('S'), 1);
    EXPECT_EQ(counter.count('R'), 2);
    EXPECT_EQ(counter.count('F'), 1);
    EXPECT_THROW(flattener.Start(0), StageNotAttached);
    EXPECT_THROW(flattener.LineEnd(0, 0), StageNotAttached);

    flattener.Attach(counter);
    flattener.Start(0);
    EXPECT_EQ(counter.count('S'), 2);
}

} // namespace guard
