#include "shell/ShellMessageMaker.h"

#include <cstdio>

namespace guard {

void ShellMessageMaker::inspectorInterruption(const InspectorInterruption& e)
{
    switch (context_.stopReason()) {
    case StopReason::CtrlC: append("Interrupted: Ctrl-C stopped the question."); break;
    case StopReason::Timeout: {
        // The budget as it was given, in the largest unit that divides it.
        std::uint64_t us = context_.timeout();
        char text[64];
        if (us % 1000000 == 0)
            std::snprintf(text, sizeof text, "%llu s", static_cast<unsigned long long>(us / 1000000));
        else if (us % 1000 == 0)
            std::snprintf(text, sizeof text, "%llu ms", static_cast<unsigned long long>(us / 1000));
        else
            std::snprintf(text, sizeof text, "%llu us", static_cast<unsigned long long>(us));
        append("Time limit of ");
        append(text);
        append(" reached: the question was stopped.");
        break;
    }
    case StopReason::None: ExpressionMessageMaker::inspectorInterruption(e); break;
    }
}

} // namespace guard
