#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/FileErrorMapping.h"
#include "platform/FileIOError.h"
#include "support/TempDirectory.h"

namespace guard {

using Platform::classifyFileError;
using Platform::FileErrorClass;
using Platform::FileOperation;

TEST(FileErrorMapping, EachOperationHasItsOwnTable)
{
    using enum FileErrorClass;
    constexpr FileOperation Open = FileOperation::Open, Flush = FileOperation::Flush, Read = FileOperation::Read,
                            Write = FileOperation::Write;
    struct Case {
        FileOperation operation;
        int code;
        FileErrorClass expected;
    } cases[] = {
        {Open, 0, None},
        {Open, ENOENT, NotFound},
        {Open, EBADF, NotFound},
        {Open, ENOTDIR, DirectoryNotFound},
        {Open, ENAMETOOLONG, DirectoryNotFound},
        {Open, EACCES, Permission},
        {Open, EPERM, Permission},
        {Open, EROFS, Permission},
        {Open, EISDIR, Permission},
        {Open, EEXIST, Permission},
        {Open, EWOULDBLOCK, Lock},
        {Open, EDEADLK, Lock},
        {Open, ENOSPC, DiskFull},
        {Open, EDQUOT, DiskFull},
        {Open, EIO, IOError},
        {Open, EMFILE, IOError},
        {Open, ETXTBSY, IOError},
        {Flush, 0, None},
        {Flush, EEXIST, Found},
        {Flush, ENOSPC, DiskFull},
        {Flush, EBADF, NotFound},
        {Flush, EIO, IOError},
        {Read, 0, None},
        {Read, EACCES, Permission},
        {Read, ETXTBSY, Permission},
        {Read, ESPIPE, Seek},
        {Read, EOVERFLOW, Seek},
        {Read, EINVAL, Seek},
        {Read, EAGAIN, Lock},
        {Read, ENOSPC, IOError},
        {Read, EIO, IOError},
        {Read, ENOENT, IOError},
        {Write, 0, None},
        {Write, EACCES, IOError},
        {Write, EROFS, IOError},
        {Write, ETXTBSY, Permission},
        {Write, EAGAIN, Permission},
        {Write, ESPIPE, Seek},
        {Write, ENOSPC, DiskFull},
        {Write, EDQUOT, DiskFull},
        {Write, EFBIG, DiskFull},
        {Write, EIO, IOError},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classifyFileError(c.operation, c.code), c.expected)
            << "operation " << static_cast<int>(c.operation) << ", errno " << c.code;
    }
}

TEST(FileErrorMapping, DescriptionNamesClassLocationsAndSystemText)
{
    std::string noEntry = std::strerror(ENOENT);
    EXPECT_EQ(std::string(FileNotFoundError(FileLocation("/no/such"), ENOENT).what()),
              "File error \"class FileNotFoundError\" on \"/no/such\": " + noEntry);
    EXPECT_STREQ(FileSeekError(FileLocation("f"), 0).what(), "File error \"class FileSeekError\" on \"f\"");
    EXPECT_STREQ(EmptyFileLocationError().what(), "File error \"class EmptyFileLocationError\"");
    EXPECT_EQ(std::string(FileIOError(FileLocation("a"), ENOSPC, FileLocation("b")).what()),
              std::string("File error \"class FileIOError\" on \"a\" and \"b\": ") + std::strerror(ENOSPC));
    EXPECT_EQ(std::string(DiskFullError(FileLocation(), EDQUOT).what()),
              std::string("File error \"class DiskFullError\": ") + std::strerror(EDQUOT));

    // Through a base reference the text still names the thrown class.
    try {
        Platform::throwFileError(FileErrorClass::Lock, FileLocation("x"), 0);
        FAIL() << "nothing thrown";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "File error \"class FileLockError\" on \"x\"");
    }
}

TEST(FileErrorMapping, MissingFileIsAMissingFolderWhenItsParentIsMissing)
{
    TempDirectory temp;
    FileLocation inExisting(temp / "absent");
    FileLocation inMissing(temp / "absent/child");
    EXPECT_THROW(Platform::raiseFileError(FileOperation::Open, ENOENT, inExisting), FileNotFoundError);
    EXPECT_THROW(Platform::raiseFileError(FileOperation::Open, ENOENT, inMissing), DirectoryNotFoundError);
    EXPECT_NO_THROW(Platform::raiseFileError(FileOperation::Write, 0, inMissing));
}

} // namespace guard
