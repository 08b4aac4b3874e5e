#pragma once
// The files this process holds open, by file identity (device and inode), so
// that the program's own handles follow one sharing rule: a file is shared
// for reading only. While a handle of the process has a file open for
// writing, the file cannot be opened again; while one has it open for
// reading, it cannot be opened for writing. Acquire answers false, and
// registers nothing, when the rule forbids the new handle. Thread-safe.
#include <cstdint>

namespace guard {

namespace Platform {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

bool acquireOpenFile(FileIdentity file, bool writing);
void releaseOpenFile(FileIdentity file, bool writing) noexcept;

} // namespace Platform

} // namespace guard
