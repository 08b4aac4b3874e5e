#pragma once
// The program's sentences, with the reason a question was stopped: Ctrl-C
// or its time budget, as the shell's context tells it.
#include "driver/ExpressionMessageMaker.h"
#include "shell/ShellContext.h"

namespace guard {

class ShellMessageMaker final : public ExpressionMessageMaker {
public:
    explicit ShellMessageMaker(const ShellContext& context) : context_(context) { }

protected:
    void inspectorInterruption(const InspectorInterruption& e) override;

private:
    const ShellContext& context_;
};

} // namespace guard
