#pragma once
// Variable templates: literal text with variables written "{name}".
//
// A variable runs from "{" to the next "}" (no nesting, no escape inside);
// a "}" outside a variable is literal text. Names beginning with "_" that
// are reserved stand for characters: "_tab", "_cr", "_lf", "_crlf",
// "_obrace" ("{") and "_cbrace" ("}"). Every other name must be a decimal
// number (digits only; leading zeros allowed), the index of an argument.
//
// Failures, each ending the evaluation of the expression:
//   BadFormatStringError        a "{" without a "}" after it
//   ImproperFormatVariableName  "{}"
//   InvalidFormatKey            any other name: "Invalid non-numeric format key: NAME"
//   InvalidFormatArgumentCount  rendering with a number of arguments other
//                               than expected: "Invalid format argument
//                               count: expected E, found F"
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"

namespace guard {

GUARD_EXCEPTION(BadFormatStringError, DebuggableException);
GUARD_EXCEPTION(ImproperFormatVariableName, DebuggableException);

class InvalidFormatKey : public InspectorDefinedError {
public:
    explicit InvalidFormatKey(std::string_view key);
    std::string_view text() const override { return text_; }

private:
    std::string text_;
};

class InvalidFormatArgumentCount : public InspectorDefinedError {
public:
    InvalidFormatArgumentCount(std::string_view expected, std::uint64_t found);
    std::string_view text() const override { return text_; }

private:
    std::string text_;
};

// One piece of a template, in the order of the text.
struct FormatPiece {
    enum class Kind : std::uint8_t { Text, Argument };
    Kind kind;
    std::string_view text;  // Text: the literal text or a reserved variable's character(s)
    std::uint64_t argument; // Argument: its index (saturated at the largest 64-bit value)
};

// Reads a template piece by piece; throws the template failures above.
class FormatTemplateReader {
public:
    explicit FormatTemplateReader(std::string_view text) : rest_(text) { }
    // The next piece, or false at the end of the text.
    bool next(FormatPiece& piece);

private:
    std::string_view rest_;
};

// The number of arguments `text` expects: one more than its highest argument
// index, 0 when it has none (saturated at the largest 64-bit value). Checks
// the whole template.
std::uint64_t expectedArgumentCount(std::string_view text);

// Throws InvalidFormatArgumentCount unless `found` is `expected` (the count
// that expectedArgumentCount gave for `text`).
void checkArgumentCount(std::string_view text, std::uint64_t expected, std::uint64_t found);

// `text` with every variable replaced, in the current thread's allocator.
// Checks the number of `arguments` first, as checkArgumentCount.
String renderFormat(std::string_view text, std::uint64_t expected, std::span<const String> arguments);

} // namespace guard
