#pragma once
// A per-thread pointer slot: each ThreadLocalPtr owns one slot, and every
// thread sees its own pointer in it (initially null).
//
// The disposal policy decides what dispose() does with the current thread's
// object: DoNotDispose only clears the slot, DisposeByDeleting also deletes it.
// At most kThreadLocalSlots instances may exist at once; making one more
// throws ThreadLocalSlotsExhausted.
#include <cstddef>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(ThreadLocalSlotsExhausted, DebuggableException);

namespace Platform {

inline constexpr std::size_t kThreadLocalSlots = 64;

// Slot bookkeeping shared by every ThreadLocalPtr instantiation.
std::size_t allocateThreadLocalSlot();
void freeThreadLocalSlot(std::size_t slot) noexcept;
void*& threadLocalSlot(std::size_t slot) noexcept;

} // namespace Platform

struct DoNotDispose {
    template <class T>
    static void dispose(T*) noexcept
    {
    }
};

struct DisposeByDeleting {
    template <class T>
    static void dispose(T* object) noexcept
    {
        delete object;
    }
};

template <class Callable>
class CallableBase;

// The one operation a ThreadLocalPtr offers to code that only wants to
// dispose of the current thread's object.
template <>
class CallableBase<void (*)()> {
public:
    virtual void operator()() = 0;

protected:
    ~CallableBase() = default;
};

template <class T, class Policy>
class ThreadLocalPtr : private CallableBase<void (*)()> {
public:
    ThreadLocalPtr() : slot_(Platform::allocateThreadLocalSlot()) { }
    ~ThreadLocalPtr() { Platform::freeThreadLocalSlot(slot_); }
    ThreadLocalPtr(const ThreadLocalPtr&) = delete;
    ThreadLocalPtr& operator=(const ThreadLocalPtr&) = delete;

    T* get() const noexcept { return static_cast<T*>(Platform::threadLocalSlot(slot_)); }
    void set(T* object) const noexcept { Platform::threadLocalSlot(slot_) = object; }

    // Clears the current thread's slot and disposes of its object by Policy.
    void dispose() noexcept
    {
        T* object = get();
        set(nullptr);
        Policy::dispose(object);
    }

    CallableBase<void (*)()>& disposer() noexcept { return *this; }

private:
    void operator()() override { dispose(); }

    std::size_t slot_;
};

} // namespace guard
