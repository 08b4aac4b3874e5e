#include "platform/FileReadingPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>

#include "platform/FileIOError.h"

namespace guard {

namespace Platform {

FileReadingPath::~FileReadingPath() { closeDescriptor(); }

int FileReadingPath::closeDescriptor() noexcept
{
    if (descriptor_ < 0)
        return 0;
    int descriptor = descriptor_;
    descriptor_ = -1;
    releaseOpenFile(identity_, writing_);
    return ::close(descriptor);
}

void FileReadingPath::Open(const FileLocation& location) { openWith(location, O_RDONLY); }

void FileReadingPath::openWith(const FileLocation& location, int flags)
{
    location.RequireNonEmpty();
    FileLocation opened = location;
    closeDescriptor();
    // Non-blocking, so that opening a pipe does not wait for its other end.
    int descriptor;
    do
        descriptor = ::open(opened.CString(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        raiseFileError(FileOperation::Open, errno, opened);

    struct stat status;
    int code = 0;
    if (::fstat(descriptor, &status) != 0)
        code = errno;
    else if (!S_ISREG(status.st_mode))
        code = -1;
    else if (int mode = ::fcntl(descriptor, F_GETFL); mode < 0 || ::fcntl(descriptor, F_SETFL, mode & ~O_NONBLOCK) != 0)
        code = errno;
    bool writing = (flags & O_ACCMODE) != O_RDONLY;
    FileIdentity identity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
    if (code == 0 && !acquireOpenFile(identity, writing))
        code = ETXTBSY; // held by this process in a way that does not share
    if (code != 0) {
        ::close(descriptor);
        if (code == -1)
            throw FilePermissionError(opened, EACCES);
        raiseFileError(FileOperation::Open, code, opened);
    }
    location_ = std::move(opened);
    descriptor_ = descriptor;
    identity_ = identity;
    writing_ = writing;
}

void FileReadingPath::Close()
{
    // The descriptor is released even when close reports an error.
    if (closeDescriptor() != 0 && errno != EINTR)
        raise(FileOperation::Open, errno);
}

void FileReadingPath::raise(FileOperation operation, int code) const { raiseFileError(operation, code, location_); }

std::uint64_t FileReadingPath::Size() const
{
    struct stat status;
    if (::fstat(descriptor_, &status) != 0)
        raise(FileOperation::Open, errno);
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t FileReadingPath::ReadAt(std::uint64_t position, char* begin, char* end) const
{
    if (position > static_cast<std::uint64_t>(INT64_MAX))
        throw FileSeekError(location_, 0);
    std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(end - begin), SSIZE_MAX);
    ssize_t count;
    do
        count = ::pread(descriptor_, begin, wanted, static_cast<off_t>(position));
    while (count < 0 && errno == EINTR);
    if (count < 0)
        raise(FileOperation::Read, errno);
    return static_cast<std::size_t>(count);
}

void FileReadingPath::ReadExactlyAt(std::uint64_t position, char* begin, char* end) const
{
    while (begin != end) {
        std::size_t count = ReadAt(position, begin, end);
        if (count == 0)
            throw EndOfFileError(location_, 0);
        begin += count;
        position += count;
    }
}

} // namespace Platform

} // namespace guard
