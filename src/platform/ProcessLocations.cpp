#include "platform/ProcessLocations.h"

#include <mutex>

namespace Platform {
namespace {

std::mutex lock;
FileLocation storage;
FileLocation library;

} // namespace

void setStorageLocation(const FileLocation& location)
{
    std::lock_guard<std::mutex> guard(lock);
    storage = location;
}

FileLocation storageLocation()
{
    std::lock_guard<std::mutex> guard(lock);
    if (storage.IsEmpty())
        throw UnsetStorageLocation();
    return storage;
}

void setLibLocation(const FileLocation& location)
{
    std::lock_guard<std::mutex> guard(lock);
    library = location;
}

FileLocation libLocation()
{
    std::lock_guard<std::mutex> guard(lock);
    if (library.IsEmpty())
        throw UnsetLibLocation();
    return library;
}

bool isLibLocationSet()
{
    std::lock_guard<std::mutex> guard(lock);
    return !library.IsEmpty();
}

} // namespace Platform
