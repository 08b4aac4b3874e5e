#include <atomic>

#include "platform/ThreadLocalPtr.h"

namespace guard {

namespace Platform {
namespace {

std::atomic<bool> slotInUse[kThreadLocalSlots];
thread_local void* slots[kThreadLocalSlots];

} // namespace

std::size_t allocateThreadLocalSlot()
{
    for (std::size_t slot = 0; slot < kThreadLocalSlots; ++slot) {
        bool expected = false;
        if (slotInUse[slot].compare_exchange_strong(expected, true))
            return slot;
    }
    throw ThreadLocalSlotsExhausted();
}

void freeThreadLocalSlot(std::size_t slot) noexcept
{
    slots[slot] = nullptr;
    slotInUse[slot].store(false);
}

void*& threadLocalSlot(std::size_t slot) noexcept { return slots[slot]; }

} // namespace Platform

} // namespace guard
