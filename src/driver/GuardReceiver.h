#pragma once
// A data receiver into which the text of one expression is written, and
// through which the modes parse, convert and evaluate it.
//
// reset() discards the previous expression; Start() opens it (writing "(",
// or "and(" to join a further expression into a conjunction), Receive()
// passes text, Finish() closes it with ")". A failure while text is fed
// clears ok() and is rethrown; nothing more is fed after it. understand()
// parses and binds, convert() requires the values as strings through the
// cast "string", and firstResult()/nextResult() give the strings one by one
// (null at the end). Making a receiver makes its context current once and
// refreshes the global dependencies.
#include <string_view>

#include "guard/GuardEvaluator.h"
#include "pipeline/DataReceiver.h"
#include "registry/CoreValues.h"
#include "registry/InspectorContext.h"
#include "registry/InspectorInterrupter.h"

namespace guard {

class GuardReceiver : public DataReceiver {
public:
    explicit GuardReceiver(InspectorContext& context);
    ~GuardReceiver() override;

    void reset();
    void Start() override;
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

    void understand();
    void convert();
    const String* firstResult();
    const String* nextResult();
    // The name of the type of the expression as parsed.
    std::string_view typeName() const;

    // The evaluator, for callers that look at the bound tree.
    const GuardEvaluator& evaluator() const { return evaluator_; }

    bool ok() const { return ok_; }
    bool started() const { return started_; }

private:
    void feed(std::string_view text);

    InspectorThread::SavedContext saved_;
    GuardEvaluator evaluator_;
    InspectorInterrupterPort* interrupterPort_;
    bool ok_ = true;
    bool started_ = false;
    bool evaluated_ = false;
};

// The question-and-answer mode's receiver.
class qnaGuardReceiver final : public GuardReceiver {
public:
    using GuardReceiver::GuardReceiver;
};

// The compliance mode's receiver.
class StringGuardReceiver final : public GuardReceiver {
public:
    using GuardReceiver::GuardReceiver;
};

} // namespace guard
