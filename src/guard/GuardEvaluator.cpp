#include "guard/GuardEvaluator.h"

#include <cstring>

#include "guard/tree/BindingErrors.h"
#include "guard/parser/GuardFrontEnd.h"
#include "guard/tree/OperatorExpressions.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

void throwIfFailed(EvalCode code)
{
    switch (code) {
    case kEvalOk: return;
    case kEvalNoValue: throw ArgumentDoesNotExist();
    case kEvalNotUnique: throw ArgumentNotUnique();
    case kEvalNotConverted: throw ValueNotConverted();
    }
}

} // namespace

GuardEvaluator::GuardEvaluator(InspectorContext* context)
    : tree_(allocator_), frontEnd_(std::make_unique<GuardFrontEnd>(tree_)), context_(context)
{
    frontEnd_->input().Start();
}

GuardEvaluator::~GuardEvaluator()
{
    try {
        stop();
    } catch (...) {
    }
}

void GuardEvaluator::reset()
{
    stop();
    marked_ = false;
    original_ = root_ = nullptr;
    frontEnd_->input().Start();
}

DataReceiver& GuardEvaluator::lexer() { return frontEnd_->input(); }

void GuardEvaluator::endInput()
{
    InstalledEvaluation installed(context_, &allocator_);
    frontEnd_->input().Finish();
    original_ = root_ = tree_.root();
    saveMark();
}

void GuardEvaluator::saveMark()
{
    mark_ = allocator_.mark();
    marked_ = true;
}

void GuardEvaluator::requireResultType(const char* typeName, const char* castName)
{
    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* required = registry.findType(typeName);
    if (!root_ || !required || isSameOrDerived(root_->type, required))
        return;
    stop();
    ExpressionTree::Checkpoint before = tree_.checkpoint();
    try {
        InstalledEvaluation installed(context_, &allocator_);
        auto conversion = tree_.make<ImplicitConversion>(root_, String(castName, std::uint32_t(std::strlen(castName))));
        conversion->bind(nullptr, allocator_);
        if (!isSameOrDerived(conversion->type, required))
            throw ConversionHasWrongType(typeName, castName);
        root_ = conversion;
    } catch (...) {
        tree_.rollBack(before);
        throw;
    }
    saveMark();
}

const void* GuardEvaluator::firstValue()
{
    stop();
    InstalledEvaluation installed(context_, &allocator_);
    throwIfFailed(root_->first());
    if (root_->singular() && !root_->value)
        throw ArgumentDoesNotExist();
    return root_->value;
}

const void* GuardEvaluator::nextValue()
{
    if (!root_->value)
        return nullptr;
    InstalledEvaluation installed(context_, &allocator_);
    throwIfFailed(root_->next());
    if (root_->singular() && root_->value) {
        root_->close();
        throw ArgumentNotUnique();
    }
    return root_->value;
}

void GuardEvaluator::stop()
{
    if (root_ && root_->value) {
        InstalledEvaluation installed(context_, &allocator_);
        root_->close();
    }
    if (marked_)
        allocator_.release(mark_);
}

} // namespace guard
