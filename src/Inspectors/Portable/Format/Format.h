#pragma once
// "format": a template with the arguments added to it so far.
//
// "+" makes a new value that shares the older arguments: no format value is
// ever changed. Each argument is its text (a string unchanged, an integer in
// decimal, another value by its "string" cast); the text must stay valid as
// long as the format does, as operands and older values in the allocator do.
#include <cstdint>

#include "registry/CoreValues.h"

namespace guard {

// One argument's text, linked to the one added before it.
struct FormatArgument {
    const FormatArgument* previous;
    String text;
};

struct Format {
    String text;                // the template
    const FormatArgument* last; // the newest argument, null before the first
    std::uint64_t expected;     // arguments the template expects
    std::uint64_t count;        // arguments added
};

template <>
struct GuardType<Format> {
    static constexpr const char* name = "format";
};

// `format` with one more argument, `text`, kept in the current thread's
// allocator (for the "+" rows of every argument type).
Format formatWithArgument(const Format& format, String text);

} // namespace guard
