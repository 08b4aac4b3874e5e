// Fuzz target: the version reader and writer.
//
// Input: a version text. When it reads, the value has one to four
// components with zeros beyond its count, it equals itself, and its text
// reads back to exactly the same components and count.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "Inspectors/Portable/Versions/WindowsVersion.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<WindowsVersion> version = readVersion(text);
    if (!version)
        return 0;
    fuzz::check(version->count >= 1 && version->count <= 4, "a version with a count outside 1 to 4", text);
    for (std::uint32_t i = version->count; i < 4; ++i)
        fuzz::check(version->components[i] == 0, "an unused component is not zero", text);
    fuzz::check(compareVersions(*version, *version) == 0, "a version does not equal itself", text);

    char written[kMaxVersionTextLength];
    char* end = writeVersion(*version, written);
    std::string_view writtenText(written, std::size_t(end - written));
    std::optional<WindowsVersion> again = readVersion(writtenText);
    fuzz::check(again.has_value(), "a written version does not read back", writtenText);
    fuzz::check(again->count == version->count, "a written version reads back with another count", writtenText);
    for (std::uint32_t i = 0; i < 4; ++i)
        fuzz::check(again->components[i] == version->components[i],
                    "a written version reads back with other components", writtenText);
    return 0;
}

} // namespace guard
