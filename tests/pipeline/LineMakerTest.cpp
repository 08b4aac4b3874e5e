#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/LineMaker.h"
#include "support/RecordingLineReceiver.h"

namespace guard {

namespace {

struct Case {
    std::string input;
    const char* trace; // the calls when the input comes in one chunk
};

const Case cases[] = {
    {"a\r\nb", "S0 T[a] E1,3 T[b] F4"},
    {"a\n\rb", "S0 T[a] E1,3 T[b] F4"},
    {"a\r\rb", "S0 T[a] E1,2 E2,3 T[b] F4"},
    {"a\n\nb", "S0 T[a] E1,2 E2,3 T[b] F4"},
    {"a\rb\nc", "S0 T[a] E1,2 T[b] E3,4 T[c] F5"},
    {"", "S0 F0"},
    {"a\r", "S0 T[a] E1,2 F2"},
    {"\n", "S0 E0,1 F1"},
    {"\r\n\r\n", "S0 E0,2 E2,4 F4"},
    {"\n\r\n\r", "S0 E0,2 E2,4 F4"},
    {"\r\n\n", "S0 E0,2 E2,3 F3"},
    {"line one\r\nline two\r\n", "S0 T[line one] E8,10 T[line two] E18,20 F20"},
    {std::string("x\0y\r\n", 5), nullptr},
};

std::string runChunks(const std::string& input, const std::vector<std::size_t>& cuts, bool joined)
{
    RecordingLineReceiver recorder;
    LineMaker maker(recorder);
    maker.Start();
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        maker.Receive(input.data() + from, input.data() + cut);
        from = cut;
    }
    maker.Receive(input.data() + from, input.data() + input.size());
    maker.Finish();
    EXPECT_FALSE(recorder.emptyText);
    EXPECT_FALSE(recorder.lineBreakInText);
    return joined ? recorder.Joined() : recorder.Trace();
}

} // namespace

TEST(LineMaker, SplitsLinesAtEveryKindOfTerminator)
{
    for (const Case& c : cases) {
        if (c.trace) {
            EXPECT_EQ(runChunks(c.input, {}, false), c.trace) << testing::PrintToString(c.input);
        }
    }
    EXPECT_EQ(runChunks(std::string("x\0y\r\n", 5), {}, false), std::string("S0 T[x\0y] E3,5 F5", 17));
}

TEST(LineMaker, CallsDoNotDependOnChunking)
{
    for (const Case& c : cases) {
        std::string whole = runChunks(c.input, {}, true);
        for (std::size_t cut = 0; cut <= c.input.size(); ++cut)
            EXPECT_EQ(runChunks(c.input, {cut}, true), whole) << testing::PrintToString(c.input) << " cut " << cut;
        std::vector<std::size_t> everyByte;
        for (std::size_t cut = 1; cut < c.input.size(); ++cut)
            everyByte.push_back(cut);
        EXPECT_EQ(runChunks(c.input, everyByte, true), whole) << testing::PrintToString(c.input);
    }
}

TEST(LineMaker, PiecesFollowTheChunks)
{
    EXPECT_EQ(runChunks("a\r\nb", {2}, false), "S0 T[a] E1,3 T[b] F4");
    EXPECT_EQ(runChunks("abcd\n", {2}, false), "S0 T[ab] T[cd] E4,5 F5");
    EXPECT_EQ(runChunks("a\r\nb", {0, 0, 4}, false), "S0 T[a] E1,3 T[b] F4");
}

TEST(LineMaker, StartsAFreshStreamAfterFinish)
{
    RecordingLineReceiver recorder;
    LineMaker maker(recorder);
    const std::string first = "ab\r";
    const std::string second = "\ncd";
    maker.Start();
    maker.Receive(first.data(), first.data() + first.size());
    maker.Finish();
    maker.Start();
    maker.Receive(second.data(), second.data() + second.size());
    maker.Finish();
    EXPECT_EQ(recorder.Trace(), "S0 T[ab] E2,3 F3 S0 E0,1 T[cd] F3");
}

} // namespace guard
