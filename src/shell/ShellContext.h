#pragma once
// The evaluation context of guard-shell: the program's EvalContext with an
// interrupter that stops a question when Ctrl-C was pressed, when its time
// budget is spent, and that says once on standard error when a question has
// run for more than a second.
//
// The receiver restarts the timer as each question begins (restartTimer()),
// which also forgets an earlier Ctrl-C. keepGoing() looks at the Ctrl-C flag
// at every interruption point and at the clock at every 64th. interrupt()
// throws InspectorInterruption; stopReason() then tells why.
// requestInterruption() is safe to call from a signal handler.
#include <csignal>
#include <cstdint>

#include "driver/EvalContext.h"
#include "registry/InspectorInterrupter.h"

namespace guard {

enum class StopReason : std::uint8_t { None, CtrlC, Timeout };

class ShellContext final : public EvalContext, public InspectorInterrupter, public InspectorInterrupterPort {
public:
    static constexpr std::uint64_t kSlowNoticeMicroseconds = 1000000;

    ShellContext() = default;

    // 0: no budget.
    void setTimeout(std::uint64_t microseconds) { timeout_ = microseconds; }
    std::uint64_t timeout() const { return timeout_; }
    // Whether the "still running" line is written on standard error.
    void setSlowNotice(bool on) { slowNotice_ = on; }

    bool keepGoing() override;
    void interrupt() override;
    void restartTimer() override;

    StopReason stopReason() const { return reason_; }

    static void requestInterruption() { interruptRequested_ = 1; }
    static bool interruptionRequested() { return interruptRequested_ != 0; }
    static void clearInterruption() { interruptRequested_ = 0; }

private:
    bool checkClock();

    static volatile std::sig_atomic_t interruptRequested_;
    std::uint64_t timeout_ = 0;
    std::uint64_t started_ = 0;
    std::uint32_t polls_ = 0;
    bool slowNotice_ = false;
    bool noticed_ = false;
    StopReason reason_ = StopReason::None;
};

} // namespace guard
