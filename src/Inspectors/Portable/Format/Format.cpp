// The "format" type: a template read by "format KEY", arguments added with
// "+", and the filled-in text by "as string".
#include "Inspectors/Portable/Format/Format.h"

#include <cstdint>
#include <new>

#include "Inspectors/Portable/Format/FormatTemplate.h"
#include "Inspectors/Portable/IntegerText.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

Format formatFromKey(const String& text) { return Format{text, nullptr, expectedArgumentCount(text.view()), 0}; }

String formatAsString(const Format& format)
{
    checkArgumentCount(format.text.view(), format.expected, format.count);
    // The arguments in the order they were added, from the newest backwards.
    constexpr std::uint64_t kOnStack = 16;
    String onStack[kOnStack];
    String* arguments = onStack;
    if (format.count > kOnStack)
        arguments = static_cast<String*>(currentAllocator().allocate(format.count * sizeof(String)));
    std::uint64_t at = format.count;
    for (const FormatArgument* argument = format.last; argument; argument = argument->previous)
        arguments[--at] = argument->text;
    return renderFormat(format.text.view(), format.expected, std::span<const String>(arguments, format.count));
}

Format plusString(const Format& format, const String& text) { return formatWithArgument(format, text); }
Format plusInteger(const Format& format, const std::int64_t& value)
{
    return formatWithArgument(format, integerAsString(value));
}
// A format added to a format is one argument: its filled-in text.
Format plusFormat(const Format& format, const Format& argument)
{
    return formatWithArgument(format, formatAsString(argument));
}

} // namespace

Format formatWithArgument(const Format& format, String text)
{
    void* room = currentAllocator().allocate(sizeof(FormatArgument));
    const auto* argument = new (room) FormatArgument{format.last, text};
    return Format{format.text, argument, format.expected, format.count + 1};
}

GUARD_INSPECTORS(type<Format>(), property<Shape::Keyed, formatFromKey>("format", "formats"),
                 cast<formatAsString>("string"), binary<kPlus, plusString>(), binary<kPlus, plusInteger>(),
                 binary<kPlus, plusFormat>())

} // namespace guard
