#pragma once
// What inspectors find around them while an evaluation runs on a thread.
//
// Inspectors are plain functions: the host's services (an InspectorContext
// and the interfaces it implements), the value allocator and the interrupter
// are kept in per-thread slots that the evaluator fills for the duration of
// each call. `contextAs<I>()` gives the current context as interface I, or
// throws NoInspectorContext; `currentAllocator()` throws NoInspectorAllocator
// when no evaluation has installed one.
#include "platform/DebuggableException.h"
#include "platform/ThreadLocalPtr.h"
#include "registry/StackAllocator.h"

namespace guard {

GUARD_EXCEPTION(NoInspectorContext, DebuggableException);
GUARD_EXCEPTION(NoInspectorAllocator, DebuggableException);

class InspectorContext {
public:
    virtual ~InspectorContext() = default;
};

class InspectorInterrupter;

namespace InspectorThread {

InspectorContext* currentContext();
StackAllocatorBase* currentAllocatorOrNull();

// Installs `context` for the current thread; when it differs from the one
// installed, the thread's interrupter is looked up again on next use.
struct SavedContext {
    InspectorContext* context;
    InspectorInterrupter* interrupter;
};
SavedContext installContext(InspectorContext* context);
void restoreContext(const SavedContext& saved);

StackAllocatorBase* installAllocator(StackAllocatorBase* allocator);
void restoreAllocator(StackAllocatorBase* previous);

} // namespace InspectorThread

inline StackAllocatorBase& currentAllocator()
{
    StackAllocatorBase* allocator = InspectorThread::currentAllocatorOrNull();
    if (!allocator)
        throw NoInspectorAllocator();
    return *allocator;
}

template <class Interface>
Interface& contextAs()
{
    auto* found = dynamic_cast<Interface*>(InspectorThread::currentContext());
    if (!found)
        throw NoInspectorContext();
    return *found;
}

// Installs a context and an allocator for the lifetime of the object and
// restores the previous ones when it ends, also by an exception.
class InstalledEvaluation {
public:
    InstalledEvaluation(InspectorContext* context, StackAllocatorBase* allocator)
        : savedContext_(InspectorThread::installContext(context)),
          savedAllocator_(InspectorThread::installAllocator(allocator))
    {
    }
    ~InstalledEvaluation()
    {
        InspectorThread::restoreAllocator(savedAllocator_);
        InspectorThread::restoreContext(savedContext_);
    }
    InstalledEvaluation(const InstalledEvaluation&) = delete;
    InstalledEvaluation& operator=(const InstalledEvaluation&) = delete;

private:
    InspectorThread::SavedContext savedContext_;
    StackAllocatorBase* savedAllocator_;
};

} // namespace guard
