#include "registry/InspectorContext.h"

#include "registry/InspectorInterrupter.h"

namespace guard {

namespace {

ThreadLocalPtr<InspectorContext, DoNotDispose> currentContextSlot;
ThreadLocalPtr<InspectorInterrupter, DoNotDispose> currentInterrupterSlot;
ThreadLocalPtr<StackAllocatorBase, DoNotDispose> currentAllocatorSlot;

} // namespace

DoNotInterrupt DoNotInterrupt::instance;

const char* InspectorInterruption::what() const noexcept { return runtimeClassName(typeid(*this)); }

namespace InspectorThread {

InspectorContext* currentContext() { return currentContextSlot.get(); }

StackAllocatorBase* currentAllocatorOrNull() { return currentAllocatorSlot.get(); }

SavedContext installContext(InspectorContext* context)
{
    SavedContext saved{currentContextSlot.get(), currentInterrupterSlot.get()};
    if (context != saved.context) {
        currentContextSlot.set(context);
        currentInterrupterSlot.set(nullptr);
    }
    return saved;
}

void restoreContext(const SavedContext& saved)
{
    currentContextSlot.set(saved.context);
    currentInterrupterSlot.set(saved.interrupter);
}

StackAllocatorBase* installAllocator(StackAllocatorBase* allocator)
{
    StackAllocatorBase* previous = currentAllocatorSlot.get();
    currentAllocatorSlot.set(allocator);
    return previous;
}

void restoreAllocator(StackAllocatorBase* previous) { currentAllocatorSlot.set(previous); }

InspectorInterrupter& currentInterrupter()
{
    InspectorInterrupter* interrupter = currentInterrupterSlot.get();
    if (!interrupter) {
        interrupter = dynamic_cast<InspectorInterrupter*>(currentContextSlot.get());
        if (!interrupter)
            interrupter = &DoNotInterrupt::instance;
        currentInterrupterSlot.set(interrupter);
    }
    return *interrupter;
}

} // namespace InspectorThread

} // namespace guard
