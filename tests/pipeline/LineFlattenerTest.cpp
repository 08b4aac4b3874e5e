#include <gtest/gtest.h>

#include <string>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineFlattener.h"
#include "pipeline/LineMaker.h"
#include "pipeline/StageNotAttached.h"
#include "pipeline/StringReceiver.h"

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

class CountingReceiver final : public DataReceiver {
public:
    void Start() override { ++starts; }
    void Receive(const char*, const char*) override { ++receives; }
    void Finish() override { ++finishes; }
    int starts = 0, receives = 0, finishes = 0;
};

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
    CountingReceiver counter;
    LineFlattener flattener(counter, "\r\n");
    flattener.Start(0);
    flattener.Text("x", "x" + 1);
    flattener.LineEnd(0, 0);
    flattener.Finish(0);
    EXPECT_EQ(counter.starts, 1);
    EXPECT_EQ(counter.receives, 2);
    EXPECT_EQ(counter.finishes, 1);
    EXPECT_THROW(flattener.Start(0), StageNotAttached);
    EXPECT_THROW(flattener.LineEnd(0, 0), StageNotAttached);

    flattener.Attach(counter);
    flattener.Start(0);
    EXPECT_EQ(counter.starts, 2);
}

} // namespace guard
