#include "driver/ExpressionMessageMaker.h"

#include <algorithm>
#include <cstring>

namespace guard {

void ExpressionMessageMaker::append(std::string_view text)
{
    std::size_t room = std::size_t(buffer_ + kCapacity - cursor_);
    std::size_t count = std::min(room, text.size());
    std::memcpy(cursor_, text.data(), count);
    cursor_ += count;
}

void ExpressionMessageMaker::appendDecimal(std::uint64_t value)
{
    char digits[20];
    char* at = digits + sizeof digits;
    do {
        *--at = char('0' + value % 10);
        value /= 10;
    } while (value);
    append(std::string_view(at, std::size_t(digits + sizeof digits - at)));
}

void ExpressionMessageMaker::describeAnswerLimit(std::uint64_t limit)
{
    clear();
    append("Answer limit reached: stopped after ");
    appendDecimal(limit);
    append(limit == 1 ? " answer." : " answers.");
}

void ExpressionMessageMaker::describeExpressionFailure()
{
    try {
        throw;
    } catch (const std::bad_alloc& e) {
        outOfMemory(e);
    } catch (const SingularExpressionRequired& e) {
        singularExpressionRequired(e);
    } catch (const BooleanExpressionRequired& e) {
        booleanExpressionRequired(e);
    } catch (const IncompatibleTypes& e) {
        incompatibleTypes(e);
    } catch (const ItUsedWithoutWhose& e) {
        itUsedWithoutWhose(e);
    } catch (const OperationNotDefined& e) {
        operationNotDefined(e);
    } catch (const ParsingFailure& e) {
        parsingFailure(e);
    } catch (const WordTooLong& e) {
        wordTooLong(e);
    } catch (const PhraseTooLong& e) {
        phraseTooLong(e);
    } catch (const StringConstantTooLong& e) {
        stringConstantTooLong(e);
    } catch (const UnfinishedStringConstant& e) {
        unfinishedStringConstant(e);
    } catch (const StringEncodingError& e) {
        stringEncodingError(e);
    } catch (const IntegerConstantTooLarge& e) {
        integerConstantTooLarge(e);
    } catch (const InvalidOperator& e) {
        invalidOperator(e);
    } catch (const UnexpectedCharacter& e) {
        unexpectedCharacter(e);
    } catch (const TupleIndexOutOfRange& e) {
        tupleIndexOutOfRange(e);
    } catch (const TupleIndexNotAnIntegerLiteral& e) {
        tupleIndexNotAnIntegerLiteral(e);
    } catch (const UnfinishedCommentError& e) {
        unfinishedCommentError(e);
    } catch (const InspectorBlacklisted& e) {
        inspectorBlacklisted(e);
    } catch (const ExpressionTooDeep& e) {
        expressionTooDeep(e);
    } catch (const ExpressionTooLarge& e) {
        expressionTooLarge(e);
    } catch (const TupleTypeTooLong& e) {
        tupleTypeTooLong(e);
    }
}

void ExpressionMessageMaker::describeUnderstandingFailure()
{
    clear();
    try {
        describeExpressionFailure();
    } catch (const std::exception& e) {
        understandingFallback(e);
    } catch (...) {
        understandingFallback();
    }
}

void ExpressionMessageMaker::describeEvaluationFailure()
{
    clear();
    try {
        throw;
    } catch (const InspectorInterruption& e) {
        inspectorInterruption(e);
    } catch (const std::bad_alloc& e) {
        outOfMemory(e);
    } catch (const ArgumentDoesNotExist& e) {
        argumentDoesNotExist(e);
    } catch (const ArgumentNotUnique& e) {
        argumentNotUnique(e);
    } catch (const ValueNotConverted& e) {
        valueNotConverted(e);
    } catch (const NoInspectorContext& e) {
        noInspectorContext(e);
    } catch (const UserDefinedInspectionError& e) {
        userDefinedInspectionError(e);
    } catch (const InspectorDefinedError& e) {
        inspectorDefinedError(e);
    } catch (const CannotEvaluateNow& e) {
        cannotEvaluateNow(e);
    } catch (const OperationNotDefined& e) {
        operationNotDefined(e);
    } catch (const NoSuchObject& e) {
        evaluationFallback(e);
    } catch (...) {
        try {
            describeExpressionFailure();
        } catch (const std::exception& e) {
            evaluationFallback(e);
        } catch (...) {
            evaluationFallback();
        }
    }
}

void ExpressionMessageMaker::describeConversionFailure()
{
    clear();
    try {
        throw;
    } catch (const std::bad_alloc& e) {
        outOfMemory(e);
    } catch (const ConversionHasWrongType& e) {
        conversionHasWrongType(e);
    } catch (const OperationNotDefined& e) {
        operationNotDefined(e);
    } catch (const std::exception& e) {
        conversionFallback(e);
    } catch (...) {
        conversionFallback();
    }
}

void ExpressionMessageMaker::conversionHasWrongType(const ConversionHasWrongType& e)
{
    append("The conversion \"as ");
    append(e.castName());
    append("\" does not produce the required type.");
}

void ExpressionMessageMaker::cannotEvaluateNow(const CannotEvaluateNow&)
{
    append("Cannot evaluate expression now or in this context.");
}

void ExpressionMessageMaker::inspectorDefinedError(const InspectorDefinedError& e) { append(e.text()); }

void ExpressionMessageMaker::userDefinedInspectionError(const UserDefinedInspectionError& e)
{
    append("User-defined error: ");
    append(e.text());
}

void ExpressionMessageMaker::noInspectorContext(const NoInspectorContext&) { append("No inspector context."); }

void ExpressionMessageMaker::valueNotConverted(const ValueNotConverted&)
{
    append("Could not convert value to required type.");
}

void ExpressionMessageMaker::argumentNotUnique(const ArgumentNotUnique&)
{
    append("Singular expression refers to non-unique object.");
}

void ExpressionMessageMaker::argumentDoesNotExist(const ArgumentDoesNotExist&)
{
    append("Singular expression refers to nonexistent object.");
}

void ExpressionMessageMaker::inspectorInterruption(const InspectorInterruption&) { append("Inspector interrupted."); }

void ExpressionMessageMaker::inspectorBlacklisted(const InspectorBlacklisted& e)
{
    append("The inspector '");
    append(e.description());
    append("' is blacklisted.");
}

void ExpressionMessageMaker::unfinishedCommentError(const UnfinishedCommentError&)
{
    append("A comment was not terminated.");
}

void ExpressionMessageMaker::tupleIndexNotAnIntegerLiteral(const TupleIndexNotAnIntegerLiteral&)
{
    append("This expression contained a tuple index which was not an integer literal.");
}

void ExpressionMessageMaker::tupleIndexOutOfRange(const TupleIndexOutOfRange& e)
{
    append("The tuple index ");
    appendDecimal(e.index());
    append(" is out of range.");
}

void ExpressionMessageMaker::incompatibleTypes(const IncompatibleTypes&) { append("Incompatible types."); }

void ExpressionMessageMaker::unexpectedCharacter(const UnexpectedCharacter&)
{
    append("This expression contained a character which is not allowed.");
}

void ExpressionMessageMaker::invalidOperator(const InvalidOperator&)
{
    append("This expression has strange punctuation.");
}

void ExpressionMessageMaker::integerConstantTooLarge(const IntegerConstantTooLarge&)
{
    append("An integer constant was too large.");
}

void ExpressionMessageMaker::stringEncodingError(const StringEncodingError&)
{
    append("A string constant had an improper %-sequence.");
}

void ExpressionMessageMaker::unfinishedStringConstant(const UnfinishedStringConstant&)
{
    append("A string constant had no ending quotation mark.");
}

void ExpressionMessageMaker::stringConstantTooLong(const StringConstantTooLong&)
{
    append("This expression has a very long string.");
}

void ExpressionMessageMaker::phraseTooLong(const PhraseTooLong&) { append("This expression has a very long phrase."); }

void ExpressionMessageMaker::wordTooLong(const WordTooLong&) { append("This expression has a very long word."); }

void ExpressionMessageMaker::parsingFailure(const ParsingFailure&) { append("This expression could not be parsed."); }

void ExpressionMessageMaker::itUsedWithoutWhose(const ItUsedWithoutWhose&)
{
    append("\"It\" used outside of \"whose\" clause.");
}

void ExpressionMessageMaker::booleanExpressionRequired(const BooleanExpressionRequired&)
{
    append("A boolean expression is required.");
}

void ExpressionMessageMaker::singularExpressionRequired(const SingularExpressionRequired&)
{
    append("A singular expression is required.");
}

void ExpressionMessageMaker::operationNotDefined(const OperationNotDefined& e)
{
    append("The operator \"");
    append(e.name());
    append("\" is not defined.");
}

void ExpressionMessageMaker::outOfMemory(const std::bad_alloc&) { append("There's not enough memory."); }

void ExpressionMessageMaker::expressionTooDeep(const ExpressionTooDeep&)
{
    append("This expression is nested too deeply.");
}

void ExpressionMessageMaker::expressionTooLarge(const ExpressionTooLarge&) { append("This expression is too long."); }

void ExpressionMessageMaker::tupleTypeTooLong(const TupleTypeTooLong&)
{
    append("This expression has a very long tuple.");
}

// A program exception reads "<known>" and its class; anything else gets the
// "unknown reason" sentence.
void ExpressionMessageMaker::fallback(std::string_view known, std::string_view unknown)
{
    try {
        throw;
    } catch (const DebuggableException& e) {
        append(known);
        append(e.what());
    } catch (...) {
        append(unknown);
    }
}

void ExpressionMessageMaker::understandingFallback()
{
    fallback("The expression could not be understood: ",
             "The expression could not be understood for an unknown reason.");
}

void ExpressionMessageMaker::understandingFallback(const std::exception&) { understandingFallback(); }

void ExpressionMessageMaker::evaluationFallback()
{
    fallback("The expression could not be evaluated: ", "The expression could not be evaluated for an unknown reason.");
}

void ExpressionMessageMaker::evaluationFallback(const std::exception&) { evaluationFallback(); }

void ExpressionMessageMaker::conversionFallback()
{
    fallback("The expression could not be converted: ", "The expression could not be converted for an unknown reason.");
}

void ExpressionMessageMaker::conversionFallback(const std::exception&) { conversionFallback(); }

} // namespace guard
