#pragma once
// A per-thread cache object for inspectors (such as the date inspectors'
// calendar cache): created on first use in each thread and deleted when the
// cache is disposed for that thread. Every cache registers itself in one
// global list, so a thread can dispose of all its caches when it ends.
#include <cstddef>

#include "platform/DebuggableException.h"
#include "platform/ThreadLocalPtr.h"

namespace guard {

GUARD_EXCEPTION(CacheRegistrationBlockTooSmall, DebuggableException);

class ThreadLocalInspectorCacheBase {
public:
    virtual void dispose() = 0;

protected:
    ~ThreadLocalInspectorCacheBase() = default;
};

struct CacheRecord {
    void (*dispose)(ThreadLocalInspectorCacheBase* cache);
    ThreadLocalInspectorCacheBase* cache;
    CacheRecord* next;
};

void registerCache(void* block, std::size_t blockSize, void (*dispose)(ThreadLocalInspectorCacheBase*),
                   ThreadLocalInspectorCacheBase* cache);

// Disposes of the current thread's object of every registered cache.
void disposeThreadCaches();

template <class Cache>
class ThreadLocalInspectorCache final : public ThreadLocalInspectorCacheBase {
public:
    ThreadLocalInspectorCache() { registerCache(&block_, sizeof block_, &disposeCache, this); }

    Cache& get()
    {
        Cache* cache = slot_.get();
        if (!cache) {
            cache = new Cache();
            slot_.set(cache);
        }
        return *cache;
    }

    void dispose() override { slot_.dispose(); }

private:
    static void disposeCache(ThreadLocalInspectorCacheBase* cache) { cache->dispose(); }

    ThreadLocalPtr<Cache, DisposeByDeleting> slot_;
    alignas(16) unsigned char block_[sizeof(CacheRecord)] = {};
};

} // namespace guard
