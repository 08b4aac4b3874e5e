#pragma once
// Stopping a long evaluation.
//
// The evaluation polls the current interrupter at its interruption points:
// after each value a plural (iterated) property produces and after every 256
// values a whose filter rejects or reads. When keepGoing() answers false,
// interrupt() is called, which stops the evaluation by throwing
// InspectorInterruption. A context that is not an InspectorInterrupter gets
// the shared DoNotInterrupt, which never stops anything.
#include "platform/DebuggableException.h"
#include "registry/InspectorContext.h"

namespace guard {

class InspectorInterruption : public std::exception {
public:
    const char* what() const noexcept override;
};

class InspectorInterrupter {
public:
    virtual ~InspectorInterrupter() = default;
    virtual bool keepGoing() = 0;
    virtual void interrupt() = 0;
};

class DoNotInterrupt final : public InspectorInterrupter {
public:
    bool keepGoing() override { return true; }
    void interrupt() override { }
    static DoNotInterrupt instance;
};

// Offered by contexts whose interrupter has a timer that a receiver restarts
// when it begins a new expression.
class InspectorInterrupterPort {
public:
    virtual ~InspectorInterrupterPort() = default;
    virtual void restartTimer() = 0;
};

namespace InspectorThread {

// The current thread's interrupter: the current context if it is one, else
// DoNotInterrupt::instance. Found once per installed context.
InspectorInterrupter& currentInterrupter();

// True when the current interrupter can stop an evaluation at all; callers
// in hot loops ask once and skip interruption points otherwise.
inline bool interruptible() { return &currentInterrupter() != &DoNotInterrupt::instance; }

inline void interruptionPoint()
{
    InspectorInterrupter& interrupter = currentInterrupter();
    if (!interrupter.keepGoing())
        interrupter.interrupt();
}

} // namespace InspectorThread

} // namespace guard
