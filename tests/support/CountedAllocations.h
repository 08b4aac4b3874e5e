#pragma once
// Replaces the global operator new and delete of the test binary that
// includes this header (include it from exactly one file of a binary of its
// own): every allocation made while `countedAllocations.counting` is set is
// counted.
#include <cstdlib>
#include <new>

namespace guard {

struct CountedAllocations {
    bool counting = false;
    long count = 0;
};

inline CountedAllocations countedAllocations;

} // namespace guard

using guard::countedAllocations;

void* operator new(std::size_t size)
{
    if (countedAllocations.counting)
        ++countedAllocations.count;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (countedAllocations.counting)
        ++countedAllocations.count;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept { return operator new(size, nothrow); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
