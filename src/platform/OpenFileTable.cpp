#include "platform/OpenFileTable.h"

#include <map>
#include <mutex>
#include <utility>

namespace guard {

namespace Platform {
namespace {

struct Holders {
    unsigned readers = 0;
    unsigned writers = 0;
};

std::mutex& tableLock()
{
    static std::mutex lock;
    return lock;
}

std::map<std::pair<std::uint64_t, std::uint64_t>, Holders>& table()
{
    static std::map<std::pair<std::uint64_t, std::uint64_t>, Holders> files;
    return files;
}

} // namespace

bool acquireOpenFile(FileIdentity file, bool writing)
{
    std::lock_guard<std::mutex> hold(tableLock());
    Holders& holders = table()[{file.device, file.inode}];
    // Every handle shares reading only: a writer conflicts with any other
    // handle, a reader with a writer.
    if (holders.writers > 0 || (writing && holders.readers > 0))
        return false;
    ++(writing ? holders.writers : holders.readers);
    return true;
}

void releaseOpenFile(FileIdentity file, bool writing) noexcept
{
    std::lock_guard<std::mutex> hold(tableLock());
    auto found = table().find({file.device, file.inode});
    if (found == table().end())
        return;
    unsigned& count = writing ? found->second.writers : found->second.readers;
    if (count > 0)
        --count;
    if (found->second.readers == 0 && found->second.writers == 0)
        table().erase(found);
}

} // namespace Platform

} // namespace guard
