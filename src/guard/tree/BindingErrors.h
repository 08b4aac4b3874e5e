#pragma once
// Failures of binding an expression tree and of its evaluation as a whole.
#include <cstdint>
#include <string>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(ItUsedWithoutWhose, DebuggableException);
GUARD_EXCEPTION(SingularExpressionRequired, DebuggableException);
GUARD_EXCEPTION(BooleanExpressionRequired, DebuggableException);
GUARD_EXCEPTION(TupleIndexNotAnIntegerLiteral, DebuggableException);

class IncompatibleTypes : public DebuggableException {
public:
    IncompatibleTypes(std::string first, std::string second) : first_(std::move(first)), second_(std::move(second)) { }
    const std::string& first() const { return first_; }
    const std::string& second() const { return second_; }

private:
    std::string first_;
    std::string second_;
};

class TupleIndexOutOfRange : public DebuggableException {
public:
    explicit TupleIndexOutOfRange(std::uint64_t index) : index_(index) { }
    std::uint64_t index() const { return index_; }

private:
    std::uint64_t index_;
};

// A required result type that no cast of the given name reaches.
class ConversionHasWrongType : public DebuggableException {
public:
    ConversionHasWrongType(std::string requiredType, std::string castName)
        : requiredType_(std::move(requiredType)), castName_(std::move(castName))
    {
    }
    const std::string& requiredType() const { return requiredType_; }
    const std::string& castName() const { return castName_; }

private:
    std::string requiredType_;
    std::string castName_;
};

// The evaluation codes 1, 2 and 3 as they reach the caller of an evaluation.
GUARD_EXCEPTION(ArgumentDoesNotExist, DebuggableException);
GUARD_EXCEPTION(ArgumentNotUnique, DebuggableException);
GUARD_EXCEPTION(ValueNotConverted, DebuggableException);

} // namespace guard
