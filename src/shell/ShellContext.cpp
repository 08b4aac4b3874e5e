#include "shell/ShellContext.h"

#include <unistd.h>

#include "platform/MonotonicClock.h"

namespace guard {

volatile std::sig_atomic_t ShellContext::interruptRequested_ = 0;

void ShellContext::restartTimer()
{
    started_ = Platform::monotonicMicroseconds();
    polls_ = 0;
    noticed_ = false;
    reason_ = StopReason::None;
    clearInterruption();
}

bool ShellContext::keepGoing()
{
    if (interruptRequested_) {
        reason_ = StopReason::CtrlC;
        return false;
    }
    if ((++polls_ & 63) != 0)
        return true;
    return checkClock();
}

bool ShellContext::checkClock()
{
    std::uint64_t elapsed = Platform::monotonicMicroseconds() - started_;
    if (timeout_ != 0 && elapsed >= timeout_) {
        reason_ = StopReason::Timeout;
        return false;
    }
    if (slowNotice_ && !noticed_ && elapsed >= kSlowNoticeMicroseconds) {
        noticed_ = true;
        static constexpr char kNotice[] = "guard-shell: still running after 1 s (Ctrl-C stops the question)\n";
        ssize_t written = ::write(2, kNotice, sizeof kNotice - 1);
        (void)written;
    }
    return true;
}

void ShellContext::interrupt() { throw InspectorInterruption(); }

} // namespace guard
