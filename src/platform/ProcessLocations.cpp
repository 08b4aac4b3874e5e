#include "platform/ProcessLocations.h"

#include <mutex>

namespace guard {

namespace Platform {
namespace {

// One process-wide location; get() throws Unset while it is empty.
template <class Unset>
class ProcessLocation {
public:
    void Set(const FileLocation& location)
    {
        std::lock_guard<std::mutex> guard(lock_);
        location_ = location;
    }
    FileLocation get() const
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (location_.IsEmpty())
            throw Unset();
        return location_;
    }
    bool isSet() const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return !location_.IsEmpty();
    }

private:
    mutable std::mutex lock_;
    FileLocation location_;
};

ProcessLocation<UnsetStorageLocation> storage;
ProcessLocation<UnsetLibLocation> library;

} // namespace

void setStorageLocation(const FileLocation& location) { storage.Set(location); }
FileLocation storageLocation() { return storage.get(); }

void setLibLocation(const FileLocation& location) { library.Set(location); }
FileLocation libLocation() { return library.get(); }
bool isLibLocationSet() { return library.isSet(); }

} // namespace Platform

} // namespace guard
