#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <typeinfo>

#include "platform/FileIOError.h"
#include "platform/FileReadingPath.h"
#include "platform/FileWritingPath.h"
#include "support/TempDirectory.h"

namespace guard {

using Platform::FileReadingPath;
using Platform::FileWritingPath;

namespace {

void writeAll(FileWritingPath& path, std::uint64_t position, const std::string& bytes)
{
    path.WriteAt(position, bytes.data(), bytes.data() + bytes.size());
}

} // namespace

TEST(FilePath, MissingFileAndMissingFolder)
{
    TempDirectory temp;
    FileReadingPath reading;
    try {
        reading.Open(FileLocation(temp / "absent.txt"));
        FAIL() << "opened a missing file";
    } catch (const FileNotFoundError& e) {
        std::string prefix = "File error \"class FileNotFoundError\" on \"" + temp / "absent.txt" + "\": ";
        EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
        EXPECT_EQ(e.Location().Path(), temp / "absent.txt");
    }
    EXPECT_THROW(reading.Open(FileLocation(temp / "absent/file.txt")), DirectoryNotFoundError);

    FileWritingPath writing;
    EXPECT_THROW(writing.Create(FileLocation(temp / "absent/file.txt")), DirectoryNotFoundError);
    EXPECT_THROW(writing.OpenExisting(FileLocation(temp / "absent.txt")), FileNotFoundError);
    EXPECT_THROW(writing.Open(FileLocation(temp / "absent.txt")), FileNotFoundError);
    EXPECT_FALSE(writing.IsOpen());
}

TEST(FilePath, EmptyLocationIsRefused)
{
    FileReadingPath reading;
    FileWritingPath writing;
    EXPECT_THROW(reading.Open(FileLocation()), EmptyFileLocationError);
    EXPECT_THROW(writing.Create(FileLocation("")), EmptyFileLocationError);
    EXPECT_THROW(writing.OpenExisting(FileLocation()), EmptyFileLocationError);
}

TEST(FilePath, OnlyRegularFilesAreAccepted)
{
    TempDirectory temp;
    std::string fifo = temp / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string nonRegular[] = {fifo, "/dev/null", temp.Path()};
    for (const std::string& path : nonRegular) {
        FileReadingPath reading;
        FileWritingPath writing;
        EXPECT_THROW(reading.Open(FileLocation(path)), FilePermissionError) << path;
        EXPECT_FALSE(reading.IsOpen());
        EXPECT_THROW(writing.Create(FileLocation(path)), FilePermissionError) << path;
        EXPECT_THROW(writing.OpenExisting(FileLocation(path)), FilePermissionError) << path;
        EXPECT_FALSE(writing.IsOpen());
    }
}

// Files are shared for reading only: readers together, a writer alone. A
// refused open leaves the file as it was (a refused create truncates nothing).
TEST(FilePath, ProgramHandlesShareReadingOnly)
{
    TempDirectory temp;
    FileLocation file(temp.Write("shared", "content"));
    auto refused = [](auto open) {
        try {
            open();
        } catch (const FileIOError& e) {
            return typeid(e) == typeid(FileIOError) && e.Code() == ETXTBSY;
        }
        return false;
    };
    {
        FileReadingPath first, second;
        first.Open(file);
        second.Open(file);
        FileWritingPath writing;
        EXPECT_TRUE(refused([&] { writing.Create(file); }));
        EXPECT_FALSE(writing.IsOpen());
    }
    EXPECT_EQ(TempDirectory::Read(file.CString()), "content");
    FileWritingPath writing;
    writing.OpenExisting(file);
    FileReadingPath reading;
    FileWritingPath another;
    EXPECT_TRUE(refused([&] { reading.Open(file); }));
    EXPECT_TRUE(refused([&] { another.OpenExisting(file); }));
    // Closing gives the file back; a path reopened elsewhere lets go of it.
    writing.Close();
    reading.Open(file);
    reading.Open(FileLocation(temp.Write("other", "")));
    writing.Create(file);
    EXPECT_EQ(TempDirectory::Read(file.CString()), "");
}

TEST(FilePath, OpenExistingKeepsTheContent)
{
    TempDirectory temp;
    std::string path = temp.Write("data", "0123456789");
    FileWritingPath writing;
    writing.OpenExisting(FileLocation(path));
    writeAll(writing, 2, "ab");
    writeAll(writing, 12, "end");
    writing.Close();
    EXPECT_EQ(TempDirectory::Read(path), std::string("01ab456789\0\0end", 15));
}

TEST(FilePath, ReadsAtPositions)
{
    TempDirectory temp;
    std::string path = temp.Write("data", "0123456789");
    FileReadingPath reading;
    reading.Open(FileLocation(path));
    EXPECT_EQ(reading.Size(), 10u);

    char buffer[8];
    EXPECT_EQ(reading.ReadAt(7, buffer, buffer + 8), 3u);
    EXPECT_EQ(std::string(buffer, 3), "789");
    EXPECT_EQ(reading.ReadAt(10, buffer, buffer + 8), 0u);
    reading.ReadExactlyAt(1, buffer, buffer + 4);
    EXPECT_EQ(std::string(buffer, 4), "1234");
    EXPECT_THROW(reading.ReadExactlyAt(5, buffer, buffer + 8), EndOfFileError);
    EXPECT_THROW(reading.ReadAt(UINT64_MAX, buffer, buffer + 1), FileSeekError);

    reading.Close();
    EXPECT_FALSE(reading.IsOpen());
    EXPECT_NO_THROW(reading.Close());
}

TEST(FilePath, FailedOpenLeavesThePathClosed)
{
    TempDirectory temp;
    FileReadingPath reading;
    reading.Open(FileLocation(temp.Write("present", "x")));
    ASSERT_TRUE(reading.IsOpen());
    EXPECT_THROW(reading.Open(FileLocation(temp / "absent")), FileNotFoundError);
    EXPECT_FALSE(reading.IsOpen());
    EXPECT_THROW(reading.Size(), FileNotFoundError);
}

} // namespace guard
