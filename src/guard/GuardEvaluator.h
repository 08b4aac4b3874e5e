#pragma once
// The owner of one parsed and bound expression.
//
// Text is written into lexer() in any number of pieces; endInput() completes
// parsing and binding (lexical, syntax and binding errors are thrown from
// there). requireResultType() makes every value of the expression have a
// given type, converting through a named cast when needed. firstValue() and
// nextValue() then evaluate lazily, one value per call (null at the end),
// with the evaluator's allocator and inspector context installed in the
// thread's slots for the duration of each call. A value stays valid until
// the next call. A singular expression without a value throws
// ArgumentDoesNotExist, one with a second value ArgumentNotUnique; a value
// that cannot be converted throws ValueNotConverted.
#include <memory>

#include "guard/tree/Expression.h"
#include "guard/tree/ExpressionTree.h"
#include "pipeline/DataReceiver.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

class GuardFrontEnd;

class GuardEvaluator {
public:
    explicit GuardEvaluator(InspectorContext* context);
    ~GuardEvaluator();
    GuardEvaluator(const GuardEvaluator&) = delete;
    GuardEvaluator& operator=(const GuardEvaluator&) = delete;

    // Discards the expression and restarts the lexer for a new text.
    void reset();
    DataReceiver& lexer();
    void endInput();
    bool hasExpression() const { return root_ != nullptr; }

    // The type of the expression as parsed, and after any required conversion.
    const TypeRecord* originalType() const { return original_ ? original_->type : nullptr; }
    const TypeRecord* currentType() const { return root_ ? root_->type : nullptr; }

    void requireResultType(const char* typeName, const char* castName);

    const void* firstValue();
    const void* nextValue();
    // Closes an open evaluation and releases its values.
    void stop();

    Expression* root() const { return root_; }

private:
    void saveMark();

    InlineStackAllocator<15 * 1024> allocator_;
    ExpressionTree tree_;
    std::unique_ptr<GuardFrontEnd> frontEnd_;
    InspectorContext* context_;
    Expression* original_ = nullptr;
    Expression* root_ = nullptr;
    StackAllocatorBase::Mark mark_{};
    bool marked_ = false;
};

} // namespace guard
