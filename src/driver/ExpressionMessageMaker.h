#pragma once
// The sentence a mode shows for a failed question, chosen by the class of
// the exception and by the stage at which it was caught.
//
// Call describeUnderstandingFailure(), describeEvaluationFailure() or
// describeConversionFailure() from inside a catch handler: each finds the
// exception by rethrowing it, clears the buffer and writes exactly one
// sentence, cut at 256 bytes. They never fail: an exception they do not know
// ends in an "unknown reason" sentence.
#include <cstddef>
#include <exception>
#include <new>
#include <string_view>

#include "guard/tree/BindingErrors.h"
#include "guard/tree/ExpressionLimits.h"
#include "guard/lexer/GuardErrors.h"
#include "syntax/ParsingFailure.h"
#include "registry/InspectorContext.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorInterrupter.h"
#include "registry/RegistryErrors.h"

namespace guard {

class ExpressionMessageMaker {
public:
    static constexpr std::size_t kCapacity = 256;

    ExpressionMessageMaker() = default;
    virtual ~ExpressionMessageMaker() = default;
    ExpressionMessageMaker(const ExpressionMessageMaker&) = delete;
    ExpressionMessageMaker& operator=(const ExpressionMessageMaker&) = delete;

    std::string_view message() const { return std::string_view(buffer_, std::size_t(cursor_ - buffer_)); }

    virtual void clear() { cursor_ = buffer_; }
    virtual void describeUnderstandingFailure();
    virtual void describeEvaluationFailure();
    // The sentences shared by every stage; an exception it does not know
    // passes out unchanged.
    virtual void describeExpressionFailure();
    virtual void describeConversionFailure();
    // A question stopped because it had a value beyond `limit` answers.
    virtual void describeAnswerLimit(std::uint64_t limit);

protected:
    void append(std::string_view text);
    void appendDecimal(std::uint64_t value);

    // One sentence per exception class.
    virtual void conversionHasWrongType(const ConversionHasWrongType& e);
    virtual void cannotEvaluateNow(const CannotEvaluateNow& e);
    virtual void inspectorDefinedError(const InspectorDefinedError& e);
    virtual void userDefinedInspectionError(const UserDefinedInspectionError& e);
    virtual void noInspectorContext(const NoInspectorContext& e);
    virtual void valueNotConverted(const ValueNotConverted& e);
    virtual void argumentNotUnique(const ArgumentNotUnique& e);
    virtual void argumentDoesNotExist(const ArgumentDoesNotExist& e);
    virtual void inspectorInterruption(const InspectorInterruption& e);
    virtual void inspectorBlacklisted(const InspectorBlacklisted& e);
    virtual void unfinishedCommentError(const UnfinishedCommentError& e);
    virtual void tupleIndexNotAnIntegerLiteral(const TupleIndexNotAnIntegerLiteral& e);
    virtual void tupleIndexOutOfRange(const TupleIndexOutOfRange& e);
    virtual void incompatibleTypes(const IncompatibleTypes& e);
    virtual void unexpectedCharacter(const UnexpectedCharacter& e);
    virtual void invalidOperator(const InvalidOperator& e);
    virtual void integerConstantTooLarge(const IntegerConstantTooLarge& e);
    virtual void stringEncodingError(const StringEncodingError& e);
    virtual void unfinishedStringConstant(const UnfinishedStringConstant& e);
    virtual void stringConstantTooLong(const StringConstantTooLong& e);
    virtual void phraseTooLong(const PhraseTooLong& e);
    virtual void wordTooLong(const WordTooLong& e);
    virtual void parsingFailure(const ParsingFailure& e);
    virtual void itUsedWithoutWhose(const ItUsedWithoutWhose& e);
    virtual void booleanExpressionRequired(const BooleanExpressionRequired& e);
    virtual void singularExpressionRequired(const SingularExpressionRequired& e);
    virtual void operationNotDefined(const OperationNotDefined& e);
    virtual void outOfMemory(const std::bad_alloc& e);
    virtual void expressionTooDeep(const ExpressionTooDeep& e);
    virtual void expressionTooLarge(const ExpressionTooLarge& e);
    virtual void tupleTypeTooLong(const TupleTypeTooLong& e);

    // What is left when no table knows the exception.
    virtual void understandingFallback();
    virtual void understandingFallback(const std::exception& e);
    virtual void evaluationFallback();
    virtual void evaluationFallback(const std::exception& e);
    virtual void conversionFallback();
    virtual void conversionFallback(const std::exception& e);

private:
    void fallback(std::string_view known, std::string_view unknown);

    char buffer_[kCapacity];
    char* cursor_ = buffer_;
};

} // namespace guard
