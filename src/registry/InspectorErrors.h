#pragma once
// Failures an inspector reports.
//
// NoSuchObject: the inspector has no value for these operands; the evaluator
// absorbs it (a singular expression that then has no value is the error).
// InspectorDefinedError: an inspector's own failure whose text() is the whole
// message shown to the user. UserDefinedInspectionError: the "error" phrase's
// failure carrying the user's text (cut at 1024 bytes). CannotEvaluateNow:
// the inspector cannot answer in this context or at this time.
#include <string>
#include <string_view>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(NoSuchObject, DebuggableException);

class InspectorDefinedError : public DebuggableException {
public:
    virtual std::string_view text() const = 0;
};

// An InspectorDefinedError with a fixed text, e.g. for argument errors.
template <const char* Text>
class FixedTextInspectorError : public InspectorDefinedError {
public:
    std::string_view text() const override { return Text; }
};

class UserDefinedInspectionError : public DebuggableException {
public:
    static constexpr std::size_t kMaxText = 1024;
    explicit UserDefinedInspectionError(std::string_view text) : text_(text.substr(0, kMaxText)) { }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

class CannotEvaluateNow : public std::exception {
public:
    const char* what() const noexcept override { return runtimeClassName(typeid(*this)); }
};

} // namespace guard
