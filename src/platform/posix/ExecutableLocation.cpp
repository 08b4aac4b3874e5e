#include "platform/ExecutableLocation.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/FileErrorMapping.h"

namespace guard {

namespace Platform {

FileLocation executableLocation()
{
    static const char self[] = "/proc/self/exe";
    std::string path(256, '\0');
    for (;;) {
        ssize_t length = ::readlink(self, path.data(), path.size());
        if (length < 0)
            raiseFileError(FileOperation::Open, errno, FileLocation(self));
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return FileLocation(std::move(path));
        }
        path.resize(path.size() * 2);
    }
}

FileLocation executableDirectory() { return executableLocation().Parent(); }

} // namespace Platform

} // namespace guard
