#include <sys/stat.h>

#include <cerrno>

#include "platform/FileErrorMapping.h"
#include "platform/FileLocation.h"

namespace guard {

bool FileLocation::Exists() const
{
    RequireNonEmpty();
    struct stat status;
    return ::lstat(CString(), &status) == 0;
}

bool FileLocation::IsExistingDirectory() const
{
    RequireNonEmpty();
    struct stat status;
    return ::stat(CString(), &status) == 0 && S_ISDIR(status.st_mode);
}

void FileLocation::CreateDirectory() const
{
    RequireNonEmpty();
    if (::mkdir(CString(), 0777) == 0)
        return;
    int code = errno;
    if (code == EEXIST && IsExistingDirectory())
        return;
    Platform::raiseFileError(Platform::FileOperation::Open, code, *this);
}

} // namespace guard
