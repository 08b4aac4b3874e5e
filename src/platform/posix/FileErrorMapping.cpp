#include "platform/FileErrorMapping.h"

#include <cerrno>
#include <span>

#include "platform/FileIOError.h"

namespace guard {

namespace Platform {
namespace {

struct ErrnoClass {
    int code;
    FileErrorClass errorClass;
};

using enum FileErrorClass;

// Opening, closing, size and folder creation. Any code not listed: IOError
// (EIO, EMFILE, ENFILE, ENOMEM, EINVAL, EINTR, and ETXTBSY: a file held by
// a handle that does not share it, ...).
constexpr ErrnoClass openTable[] = {
    {ENOENT, NotFound},           // no such file (a missing parent is checked apart)
    {EBADF, NotFound},            // the handle is not (or no longer) valid
    {ENOTDIR, DirectoryNotFound}, // a component of the folder part is no folder
    {ENAMETOOLONG, DirectoryNotFound},
    {ELOOP, DirectoryNotFound}, // the path cannot be resolved
    {EXDEV, DirectoryNotFound}, // not on the same device
    {EACCES, Permission},
    {EPERM, Permission},
    {EROFS, Permission},  // write-protected
    {EEXIST, Permission}, // exists already where it must not
    {EISDIR, Permission}, // a folder is not a file
    {EBUSY, Permission},
    {ENXIO, Permission}, // a device or pipe end that is not there
    {ENODEV, Permission},
    {EAGAIN, Lock}, // also EWOULDBLOCK
    {EDEADLK, Lock},
    {ENOLCK, Lock},
    {ENOSPC, DiskFull},
    {EDQUOT, DiskFull},
};

// Flushing: as opening, except that "exists" is reported as FileFoundError.
constexpr ErrnoClass flushTable[] = {
    {EEXIST, Found},
};

// Reading. Any code not listed: IOError (EIO, EBADF, ENOSPC, ...).
constexpr ErrnoClass readTable[] = {
    {EACCES, Permission}, {EPERM, Permission}, {EROFS, Permission},  {EEXIST, Permission},  {EISDIR, Permission},
    {EBUSY, Permission},  {ENXIO, Permission}, {ENODEV, Permission}, {ETXTBSY, Permission}, // sharing conflict
    {ESPIPE, Seek},                       // the position cannot be set
    {EOVERFLOW, Seek},    {EINVAL, Seek}, // negative or unusable position
    {EAGAIN, Lock},       {EDEADLK, Lock},     {ENOLCK, Lock},
};

// Writing. Access problems found only when writing are plain IOErrors; a
// sharing conflict or a lock is a permission problem. Any code not listed:
// IOError (EIO, EBADF, EACCES, EPERM, EROFS, ...).
constexpr ErrnoClass writeTable[] = {
    {ETXTBSY, Permission}, {EAGAIN, Permission}, {EDEADLK, Permission}, {ENOLCK, Permission},
    {ESPIPE, Seek},        {EOVERFLOW, Seek},    {EINVAL, Seek},        {ENOSPC, DiskFull},
    {EDQUOT, DiskFull},    {EFBIG, DiskFull}, // the file may grow no further
};

bool lookUp(std::span<const ErrnoClass> table, int code, FileErrorClass& found) noexcept
{
    for (const ErrnoClass& entry : table) {
        if (entry.code == code) {
            found = entry.errorClass;
            return true;
        }
    }
    return false;
}

} // namespace

FileErrorClass classifyFileError(FileOperation operation, int code) noexcept
{
    if (code == 0)
        return None;
    FileErrorClass found = IOError;
    switch (operation) {
    case FileOperation::Flush:
        if (lookUp(flushTable, code, found))
            return found;
        [[fallthrough]];
    case FileOperation::Open: lookUp(openTable, code, found); return found;
    case FileOperation::Read: lookUp(readTable, code, found); return found;
    case FileOperation::Write: lookUp(writeTable, code, found); return found;
    }
    return found;
}

void throwFileError(FileErrorClass errorClass, const FileLocation& location, int code)
{
    switch (errorClass) {
    case None: return;
    case IOError: throw FileIOError(location, code);
    case NotFound: throw FileNotFoundError(location, code);
    case DirectoryNotFound: throw DirectoryNotFoundError(location, code);
    case Permission: throw FilePermissionError(location, code);
    case Lock: throw FileLockError(location, code);
    case DiskFull: throw DiskFullError(location, code);
    case Seek: throw FileSeekError(location, code);
    case Found: throw FileFoundError(location, code);
    case EndOfFile: throw EndOfFileError(location, code);
    }
    throw FileIOError(location, code);
}

void raiseFileError(FileOperation operation, int code, const FileLocation& location)
{
    FileErrorClass errorClass = classifyFileError(operation, code);
    if (operation == FileOperation::Open && code == ENOENT && !location.IsEmpty() &&
        !location.Parent().IsExistingDirectory())
        errorClass = DirectoryNotFound;
    throwFileError(errorClass, location, code);
}

} // namespace Platform

} // namespace guard
