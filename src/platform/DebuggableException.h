#pragma once
// Base of every exception class of the program.
//
// what() of a DebuggableException is the run-time class name written as
// "class X" (X demangled, without the program's own namespace "guard::"
// but with any other namespace the source spells), identical on every
// platform. Classes that carry a message
// of their own derive from TextException instead, whose what() is that text.
#include <exception>
#include <string>
#include <typeinfo>

namespace guard {

class DebuggableException : public std::exception {
public:
    const char* what() const noexcept override;
};

// A DebuggableException whose what() is a text fixed when it is made.
class TextException : public DebuggableException {
public:
    explicit TextException(std::string text) : text_(std::move(text)) { }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// "class X" for the dynamic type `type`; the returned text lives for the
// whole run (one copy per type, made on first use).
const char* runtimeClassName(const std::type_info& type) noexcept;

// Declares a small exception class with no data of its own.
#define GUARD_EXCEPTION(Name, Base)                                                                                    \
    class Name : public Base { }

} // namespace guard
