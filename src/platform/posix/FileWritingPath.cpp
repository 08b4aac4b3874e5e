#include "platform/FileWritingPath.h"

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

void FileWritingPath::Open(const FileLocation& location) { OpenExisting(location); }

void FileWritingPath::Create(const FileLocation& location)
{
    openWith(location, O_RDWR | O_CREAT);
    // An existing file is emptied in place rather than replaced.
    int result;
    do
        result = ::ftruncate(Descriptor(), 0);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        int code = errno;
        try {
            Close();
        } catch (const FileIOError&) {
        }
        raise(FileOperation::Open, code);
    }
}

void FileWritingPath::OpenExisting(const FileLocation& location)
{
    location.RequireNonEmpty();
    struct stat status;
    if (::stat(location.CString(), &status) != 0) {
        if (errno == ENOENT)
            throw FileNotFoundError(location, ENOENT);
        raiseFileError(FileOperation::Open, errno, location);
    }
    openWith(location, O_RDWR);
}

void FileWritingPath::WriteAt(std::uint64_t position, const char* begin, const char* end)
{
    while (begin != end) {
        if (position > static_cast<std::uint64_t>(INT64_MAX))
            throw FileSeekError(Location(), 0);
        std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(end - begin), SSIZE_MAX);
        ssize_t count = ::pwrite(Descriptor(), begin, wanted, static_cast<off_t>(position));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            raise(FileOperation::Write, errno);
        }
        // A short write is continued; the next call reports why it stopped.
        if (count == 0)
            throw FileIOError(Location(), 0);
        begin += count;
        position += static_cast<std::uint64_t>(count);
    }
}

void FileWritingPath::Flush()
{
    if (::fsync(Descriptor()) != 0)
        raise(FileOperation::Flush, errno);
}

} // namespace Platform

} // namespace guard
