#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "pipeline/FileDataSink.h"
#include "pipeline/FileReader.h"
#include "pipeline/FileReadingLoop.h"
#include "pipeline/LineFlattener.h"
#include "pipeline/StringReceiver.h"
#include "platform/FileIOError.h"
#include "support/RecordingDataReceiver.h"
#include "support/RecordingLineReceiver.h"
#include "support/TempDirectory.h"
#include "support/TextPieces.h"

namespace guard {

namespace {

std::string pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

} // namespace

TEST(FileReadingLoop, PushesTheWholeFileInBufferSizedChunks)
{
    TempDirectory temp;
    std::string content = pattern(10000);
    FileLocation file(temp.Write("data", content));
    struct Case {
        std::size_t bufferSize;
        std::uint64_t start;
        std::string chunks;
    } cases[] = {
        {4096, 0, "RRR"},  {1024, 0, std::string(10, 'R')},
        {65568, 0, "R"},   {4096, 9000, "R"},
        {3, 9995, "RR"},   {4096, 10000, ""},
        {4096, 20000, ""},
    };
    for (const Case& c : cases) {
        RecordingDataReceiver receiver;
        pushFile(file, receiver, c.bufferSize, c.start);
        EXPECT_EQ(receiver.calls, "S" + c.chunks + "F") << c.bufferSize << " from " << c.start;
        EXPECT_EQ(receiver.bytes, c.start < content.size() ? content.substr(c.start) : "");
    }
}

TEST(FileReadingLoop, FileThatShrinksWhileReadIsAnError)
{
    TempDirectory temp;
    std::string path = temp.Write("data", pattern(100));
    RecordingDataReceiver receiver;
    receiver.onFirstReceive = [&] { ASSERT_EQ(::truncate(path.c_str(), 10), 0); };
    EXPECT_THROW(pushFile(FileLocation(path), receiver, 16), FileReadingLoopEndOfFileError);
    EXPECT_EQ(receiver.calls, "SR");
}

TEST(FileReadingLoop, MissingFileStartsNothing)
{
    TempDirectory temp;
    RecordingDataReceiver receiver;
    EXPECT_THROW(pushFile(FileLocation(temp / "absent"), receiver), FileNotFoundError);
    EXPECT_EQ(receiver.calls, "");
}

TEST(FileReadingLoop, LineFormPutsALineMakerInFront)
{
    TempDirectory temp;
    FileLocation file(temp.Write("lines", "one\r\ntwo\nthree"));
    RecordingLineReceiver recorder;
    pushFileLines(file, recorder, 4);
    EXPECT_EQ(recorder.Joined(), "S0 T[one] E3,5 T[two] E8,9 T[three] F14");
}

TEST(FileReader, ReadExactlyFailsAtTheEndOfTheFile)
{
    TempDirectory temp;
    std::string path = temp.Write("data", "0123456789");
    Platform::FileReadingPath file;
    file.Open(FileLocation(path));
    FileReader reader(file, 4);
    char buffer[4];
    reader.ReadExactly(buffer, buffer + 4);
    EXPECT_EQ(std::string(buffer, 4), "4567");
    EXPECT_THROW(reader.ReadExactly(buffer, buffer + 4), EndOfFileError);
}

TEST(FileDataSink, WritesFromItsStartPositionAndFlushesAtFinish)
{
    TempDirectory temp;
    std::string path = temp.Write("out", "XXXXXXXXXXXXXXXXXXXX");
    Platform::FileWritingPath file;
    file.Create(FileLocation(path));
    FileDataSink sink(file, 3);
    LineFlattener flattener(sink, "\r\n");
    flattener.Start(0);
    lineText(flattener, "ab");
    flattener.LineEnd(0, 0);
    lineText(flattener, "c");
    EXPECT_EQ(sink.Position(), 8u);
    flattener.Finish(0);
    file.Close();
    EXPECT_EQ(TempDirectory::Read(path), std::string("\0\0\0ab\r\nc", 8));
}

// A run that fails before Finish() still leaves what it produced.
TEST(FileDataSink, WritesWhatItHoldsWhenDestroyedUnfinished)
{
    TempDirectory temp;
    std::string path = temp / "out";
    Platform::FileWritingPath file;
    file.Create(FileLocation(path));
    {
        FileDataSink sink(file);
        sink.Start();
        receiveText(sink, "answers so far");
    }
    file.Close();
    EXPECT_EQ(TempDirectory::Read(path), "answers so far");
}

TEST(FileDataSink, KeepsTheOrderOfBytesAcrossItsBuffer)
{
    TempDirectory temp;
    std::string path = temp / "out";
    Platform::FileWritingPath file;
    file.Create(FileLocation(path));
    FileDataSink sink(file);
    std::string expected;
    sink.Start();
    for (std::size_t size : {50000u, 50000u, 1u, 100000u, 65536u, 3u}) {
        std::string piece(size, char('a' + expected.size() % 26));
        sink.Receive(piece.data(), piece.data() + piece.size());
        expected += piece;
        EXPECT_EQ(sink.Position(), expected.size());
    }
    sink.Finish();
    file.Close();
    EXPECT_EQ(TempDirectory::Read(path), expected);
}

} // namespace guard
