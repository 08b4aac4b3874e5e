#include "platform/FileLocation.h"

#include "platform/FileIOError.h"

namespace guard {

void FileLocation::RequireNonEmpty() const
{
    if (path_.empty())
        throw EmptyFileLocationError();
}

FileLocation FileLocation::Join(std::string_view name) const
{
    RequireNonEmpty();
    std::string joined;
    joined.reserve(path_.size() + 1 + name.size());
    joined = path_;
    if (joined.back() != '/')
        joined += '/';
    joined += name;
    return FileLocation(std::move(joined));
}

FileLocation FileLocation::Parent() const
{
    RequireNonEmpty();
    std::string_view path = path_;
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return FileLocation(".");
    path = path.substr(0, slash);
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return FileLocation(path.empty() ? std::string_view("/") : path);
}

} // namespace guard
