#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/BufferFiller.h"
#include "pipeline/DataFilterer.h"
#include "pipeline/DataOverflow.h"
#include "support/RecordingDataReceiver.h"
#include "support/TextPieces.h"

namespace guard {

namespace {

// Writes every input byte twice.
class DoublingFilter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override
    {
        while (in.begin != in.end && out.end - out.begin >= 2) {
            *out.begin++ = *in.begin;
            *out.begin++ = *in.begin++;
        }
    }
};

// Swallows its input and gives back `held` copies of '#' when drained.
class HoldingFilter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange&) override
    {
        held += static_cast<std::size_t>(in.end - in.begin);
        in.begin = in.end;
    }
    bool IsDrained() override { return held == 0; }
    void Drain(MutableRange& out) override
    {
        while (held > 0 && out.begin != out.end) {
            *out.begin++ = '#';
            --held;
        }
    }
    std::size_t held = 0;
};

class StuckFilter final : public DataFilter {
public:
    void Filter(ConstRange&, MutableRange&) override { }
    bool IsDrained() override { return false; }
};

std::string pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

} // namespace

TEST(DataFilterer, PushesPiecesOfAtMost1024Bytes)
{
    struct Case {
        std::size_t size;
        bool doubling;
        std::vector<std::size_t> pieces;
    } cases[] = {
        {0, false, {}},
        {1, false, {1}},
        {1024, false, {1024}},
        {3000, false, {1024, 1024, 952}},
        {1500, true, {1024, 1024, 952}},
    };
    for (const Case& c : cases) {
        DataFilter copying;
        DoublingFilter doubling;
        DataFilter& filter = c.doubling ? static_cast<DataFilter&>(doubling) : copying;
        RecordingDataReceiver recorder;
        DataFilterer filterer(recorder, filter);
        std::string input = pattern(c.size);
        filterer.Start();
        filterer.Receive(input.data(), input.data() + input.size());
        filterer.Finish();
        EXPECT_EQ(recorder.pieces, c.pieces) << c.size;
        EXPECT_EQ(recorder.calls, "S" + std::string(recorder.pieces.size(), 'R') + "F");
        std::string expected;
        for (char byte : input)
            expected.append(c.doubling ? 2 : 1, byte);
        EXPECT_EQ(recorder.bytes, expected) << c.size;
    }
}

TEST(DataFilterer, FinishDrainsTheFilterBeforeFinishingDownstream)
{
    HoldingFilter filter;
    RecordingDataReceiver recorder;
    DataFilterer filterer(recorder, filter);
    std::string input = pattern(2100);
    filterer.Start();
    filterer.Receive(input.data(), input.data() + input.size());
    EXPECT_TRUE(recorder.pieces.empty());
    filterer.Finish();
    EXPECT_EQ(recorder.pieces, (std::vector<std::size_t>{1024, 1024, 52}));
    EXPECT_EQ(recorder.bytes, std::string(2100, '#'));
    EXPECT_EQ(recorder.calls, "S" + std::string(recorder.pieces.size(), 'R') + "F");
}

TEST(DataFilterer, StuckFilterIsReported)
{
    StuckFilter filter;
    RecordingDataReceiver recorder;
    DataFilterer filterer(recorder, filter);
    EXPECT_THROW(receiveText(filterer, "x"), DataFilterStalled);
    EXPECT_THROW(filterer.Finish(), DataFilterStalled);
}

TEST(BufferFiller, FillsTheBufferThroughTheFilter)
{
    BufferFiller unattached;
    EXPECT_THROW(receiveText(unattached, "a"), NullBufferFiller);

    char buffer[8];
    DoublingFilter filter;
    BufferFiller filler(filter, buffer, buffer + sizeof buffer);
    filler.Start();
    receiveText(filler, "ab");
    receiveText(filler, "c");
    EXPECT_EQ(std::string(filler.BufferStart(), filler.Cursor()), "aabbcc");

    filler.Start();
    EXPECT_EQ(filler.Filled(), 0u);
    receiveText(filler, "wxyz");
    EXPECT_EQ(std::string(filler.BufferStart(), filler.Cursor()), "wwxxyyzz");
    EXPECT_THROW(receiveText(filler, "!"), DataOverflow);

    filler.Finish();
    EXPECT_EQ(filler.Filled(), 8u);
    EXPECT_THROW(receiveText(filler, "a"), NullBufferFiller);
}

TEST(BufferFiller, InputThatDoesNotFitOverflows)
{
    char buffer[4];
    DataFilter copying;
    BufferFiller filler(copying, buffer, buffer + sizeof buffer);
    filler.Start();
    EXPECT_THROW(receiveText(filler, "abcdef"), DataOverflow);
    EXPECT_EQ(std::string(filler.BufferStart(), filler.Cursor()), "abcd");
}

} // namespace guard
