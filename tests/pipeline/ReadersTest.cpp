#include <gtest/gtest.h>

#include <string>

#include "pipeline/DataReader.h"
#include "pipeline/EmptyDataReader.h"

namespace guard {

namespace {

// Hands out its text at most `step` bytes per ReadSome.
class TrickleReader final : public DataReader {
public:
    TrickleReader(std::string text, std::size_t step) : text_(std::move(text)), step_(step) { }
    bool AtEnd() override { return position_ == text_.size(); }
    void ReadSome(MutableRange& range) override
    {
        std::size_t count =
            std::min({step_, text_.size() - position_, static_cast<std::size_t>(range.end - range.begin)});
        text_.copy(range.begin, count, position_);
        position_ += count;
        range.begin += count;
    }

private:
    std::string text_;
    std::size_t step_;
    std::size_t position_ = 0;
};

} // namespace

TEST(DataReader, ReadExactlyCollectsSeveralReads)
{
    TrickleReader reader("abcdefg", 2);
    char buffer[5];
    reader.ReadExactly(buffer, buffer + 5);
    EXPECT_EQ(std::string(buffer, 5), "abcde");
    EXPECT_TRUE(reader.HasMore());
    EXPECT_THROW(reader.ReadExactly(buffer, buffer + 3), NoMoreData);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(DataReader, ReaderWithoutProgressCannotFillARange)
{
    TrickleReader stuck("abc", 0);
    char buffer[2];
    EXPECT_THROW(stuck.ReadExactly(buffer, buffer + 2), NoMoreData);
}

TEST(EmptyDataReader, IsAlwaysAtItsEnd)
{
    EmptyDataReader reader;
    char buffer[1];
    MutableRange range{buffer, buffer + 1};
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.HasMore());
    reader.ReadSome(range);
    EXPECT_EQ(range.begin, buffer);
    EXPECT_NO_THROW(reader.ReadExactly(buffer, buffer));
    EXPECT_THROW(reader.ReadExactly(buffer, buffer + 1), NoMoreData);
}

} // namespace guard
