#include "registry/ThreadLocalInspectorCache.h"

#include <mutex>
#include <new>

namespace guard {

namespace {

CacheRecord* caches = nullptr;

std::mutex& cacheLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

void registerCache(void* block, std::size_t blockSize, void (*dispose)(ThreadLocalInspectorCacheBase*),
                   ThreadLocalInspectorCacheBase* cache)
{
    if (!block || blockSize < sizeof(CacheRecord))
        throw CacheRegistrationBlockTooSmall();
    std::lock_guard<std::mutex> guard(cacheLock());
    caches = new (block) CacheRecord{dispose, cache, caches};
}

void disposeThreadCaches()
{
    std::lock_guard<std::mutex> guard(cacheLock());
    for (CacheRecord* record = caches; record; record = record->next)
        record->dispose(record->cache);
}

} // namespace guard
