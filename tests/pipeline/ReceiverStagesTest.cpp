#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/DataTee.h"
#include "pipeline/StageNotAttached.h"
#include "pipeline/VectorAppender.h"

namespace guard {

namespace {

GUARD_EXCEPTION(ReceiverBroke, DebuggableException);

// Logs the calls it gets into a shared log, tagged by its name.
class LoggingReceiver final : public DataReceiver {
public:
    LoggingReceiver(std::string& log, char name, bool throwOnReceive = false)
        : log_(log), name_(name), throwOnReceive_(throwOnReceive)
    {
    }
    void Start() override { log_ += std::string(1, name_) + "S "; }
    void Receive(const char* begin, const char* end) override
    {
        log_ += std::string(1, name_) + "R" + std::string(begin, end) + " ";
        if (throwOnReceive_)
            throw ReceiverBroke();
    }
    void Finish() override { log_ += std::string(1, name_) + "F "; }

private:
    std::string& log_;
    char name_;
    bool throwOnReceive_;
};

void push(DataReceiver& receiver, const std::string& bytes)
{
    receiver.Write(bytes.data(), bytes.data() + bytes.size());
}

} // namespace

TEST(DataTee, CallsEachReceiverInOrder)
{
    std::string log;
    LoggingReceiver first(log, '1'), second(log, '2');
    DataTee2 tee(first, second);
    tee.Start();
    push(tee, "ab");
    tee.Finish();
    EXPECT_EQ(log, "1S 2S 1Rab 2Rab 1F 2F ");

    log.clear();
    LoggingReceiver a(log, 'a'), b(log, 'b'), c(log, 'c');
    DataTee<3> three(a, b, c);
    push(three, "x");
    EXPECT_EQ(log, "aRx bRx cRx ");
}

TEST(DataTee, FirstReceiverThrowingStopsTheRange)
{
    std::string log;
    LoggingReceiver broken(log, '1', true), second(log, '2');
    DataTee2 tee(broken, second);
    tee.Start();
    EXPECT_THROW(push(tee, "ab"), ReceiverBroke);
    EXPECT_EQ(log, "1S 2S 1Rab ");
}

TEST(VectorAppender, AppendsWithoutClearingAndDetachesAtFinish)
{
    std::vector<char> target = {'x'};
    VectorAppender appender(target);
    appender.Start();
    push(appender, "yz");
    appender.Finish();
    EXPECT_EQ(std::string(target.begin(), target.end()), "xyz");
    EXPECT_THROW(push(appender, "!"), StageNotAttached);
    EXPECT_EQ(target.size(), 3u);
}

} // namespace guard
