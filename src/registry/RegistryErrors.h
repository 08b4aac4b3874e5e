#pragma once
// Failures of registry lookups.
//
// OperationNotDefined names the phrase, cast or operator that has no
// inspector for the operand types (cut at 256 bytes); InspectorBlacklisted
// describes an inspector the host has blocked. BadStructuredTypeName and
// BadTypeList report malformed tuple type names such as "(integer)" or
// "( integer,string )". TupleTypeTooLong: a tuple type whose name would
// pass kMaxTupleTypeName bytes (tuple types are kept for the whole run, and
// the n types of an n-element tuple have names of up to n elements each, so
// long tuples would cost memory by the square of their length).
#include <string>
#include <string_view>

#include "platform/DebuggableException.h"

namespace guard {

class OperationNotDefined : public DebuggableException {
public:
    static constexpr std::size_t kMaxName = 256;
    explicit OperationNotDefined(std::string_view name) : name_(name.substr(0, kMaxName)) { }
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

class InspectorBlacklisted : public DebuggableException {
public:
    explicit InspectorBlacklisted(std::string description) : description_(std::move(description)) { }
    const std::string& description() const { return description_; }

private:
    std::string description_;
};

GUARD_EXCEPTION(BadStructuredTypeName, DebuggableException);
GUARD_EXCEPTION(BadTypeList, DebuggableException);

inline constexpr std::size_t kMaxTupleTypeName = 1024;
GUARD_EXCEPTION(TupleTypeTooLong, DebuggableException);

} // namespace guard
