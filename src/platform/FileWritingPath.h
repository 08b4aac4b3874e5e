#pragma once
// A file opened for reading and writing.
//
// Create() makes the file, or empties an existing one (truncated in place,
// so no stale bytes stay at its end); OpenExisting() and Open() open a file
// that must exist (FileNotFoundError otherwise) and keep its contents.
// Writes and flushes raise the file errors of their own tables
// (FileErrorMapping.h).
#include "platform/FileReadingPath.h"

namespace guard {

namespace Platform {

class FileWritingPath : public FileReadingPath {
public:
    // Same as OpenExisting().
    void Open(const FileLocation& location) override;
    void Create(const FileLocation& location);
    void OpenExisting(const FileLocation& location);

    // Writes the whole range at `position`.
    void WriteAt(std::uint64_t position, const char* begin, const char* end);
    // Forces written data to the disk.
    void Flush();
};

} // namespace Platform

} // namespace guard
