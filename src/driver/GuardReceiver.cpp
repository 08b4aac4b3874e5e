#include "driver/GuardReceiver.h"

#include "registry/GlobalDependency.h"

namespace guard {

GuardReceiver::GuardReceiver(InspectorContext& context)
    : saved_(InspectorThread::installContext(&context)), evaluator_(&context),
      interrupterPort_(dynamic_cast<InspectorInterrupterPort*>(&context))
{
    refreshGlobalDependencies();
}

GuardReceiver::~GuardReceiver() { InspectorThread::restoreContext(saved_); }

void GuardReceiver::reset()
{
    try {
        evaluator_.reset();
    } catch (...) {
    }
    ok_ = true;
    started_ = false;
    evaluated_ = false;
}

void GuardReceiver::Start()
{
    if (!started_) {
        if (interrupterPort_)
            interrupterPort_->restartTimer();
        started_ = true;
        feed("(");
    } else {
        feed("and(");
    }
}

void GuardReceiver::Receive(const char* begin, const char* end)
{
    feed(std::string_view(begin, std::size_t(end - begin)));
}

void GuardReceiver::Finish() { feed(")"); }

void GuardReceiver::feed(std::string_view text)
{
    if (!ok_)
        return;
    try {
        evaluator_.lexer().Receive(text.data(), text.data() + text.size());
    } catch (...) {
        ok_ = false;
        throw;
    }
}

void GuardReceiver::understand()
{
    if (!ok_ || !started_ || evaluated_)
        return;
    try {
        evaluator_.endInput();
    } catch (...) {
        ok_ = false;
        throw;
    }
    evaluated_ = true;
}

void GuardReceiver::convert() { evaluator_.requireResultType("string", "string"); }

const String* GuardReceiver::firstResult() { return static_cast<const String*>(evaluator_.firstValue()); }

const String* GuardReceiver::nextResult() { return static_cast<const String*>(evaluator_.nextValue()); }

std::string_view GuardReceiver::typeName() const
{
    const TypeRecord* type = evaluator_.originalType();
    return type ? std::string_view(type->name) : std::string_view();
}

} // namespace guard
