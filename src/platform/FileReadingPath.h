#pragma once
// A file opened for reading, named by the location it was opened with.
//
// Only regular files are accepted: a folder, device, pipe or socket raises
// FilePermissionError (code EACCES) and leaves the path closed. Every failure
// raises the file error that its system error code maps to
// (FileErrorMapping.h), and a failed open leaves the path closed. A file
// is shared for reading only (OpenFileTable.h): opening a file that the
// process holds open for writing, or opening for writing one it holds open
// at all, raises FileIOError (code ETXTBSY). The destructor closes the file
// and ignores errors; Close() reports them.
#include <cstddef>
#include <cstdint>

#include "platform/FileErrorMapping.h"
#include "platform/FileLocation.h"
#include "platform/OpenFileTable.h"

namespace guard {

namespace Platform {

class FileReadingPath {
public:
    FileReadingPath() = default;
    FileReadingPath(const FileReadingPath&) = delete;
    FileReadingPath& operator=(const FileReadingPath&) = delete;
    virtual ~FileReadingPath();

    // Opens the existing file at `location` for reading (closing any file
    // held before).
    virtual void Open(const FileLocation& location);
    void Close();

    bool IsOpen() const noexcept { return descriptor_ >= 0; }
    const FileLocation& Location() const noexcept { return location_; }
    int Descriptor() const noexcept { return descriptor_; }

    std::uint64_t Size() const;
    // One read of at most end - begin bytes at `position`; returns the count
    // read, 0 at the end of the file.
    std::size_t ReadAt(std::uint64_t position, char* begin, char* end) const;
    // Fills the whole range from `position`; EndOfFileError (code 0) when the
    // file ends first.
    void ReadExactlyAt(std::uint64_t position, char* begin, char* end) const;

protected:
    // Opens `location` with the open(2) flags `flags` (close-on-exec and
    // non-blocking are added) and keeps it when it is a regular file.
    void openWith(const FileLocation& location, int flags);
    void raise(FileOperation operation, int code) const;

private:
    // Closes the descriptor and gives up its place in the open-file table;
    // answers close's result.
    int closeDescriptor() noexcept;

    FileLocation location_;
    int descriptor_ = -1;
    FileIdentity identity_;
    bool writing_ = false;
};

} // namespace Platform

} // namespace guard
