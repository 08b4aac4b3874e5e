#pragma once
// "version": a dotted version of up to four numbers from 0 to 65535, as
// files and modules carry them ("6.1.7601.17514").
//
// The value keeps the four components and how many of them are used;
// unused ones are zero. Versions compare as prefixes: only as many
// components as the shorter version has take part, so "1.2" equals "1.2.3"
// and neither is less than the other.
#include <cstdint>
#include <optional>
#include <string_view>

#include "registry/CoreValues.h"

namespace guard {

struct WindowsVersion {
    std::uint16_t components[4] = {};
    std::uint32_t count = 0;
};
static_assert(sizeof(WindowsVersion) == 12);

// <0, 0 or >0 as `left` is less than, equal to or greater than `right` on
// their common components.
int compareVersions(const WindowsVersion& left, const WindowsVersion& right);

inline bool operator==(const WindowsVersion& left, const WindowsVersion& right)
{
    return compareVersions(left, right) == 0;
}
inline bool operator<(const WindowsVersion& left, const WindowsVersion& right)
{
    return compareVersions(left, right) < 0;
}

// Reads a version: digits make up a component, "." or "," ends one (a
// single blank right after a "," is skipped, so "1, 2" reads as "1.2"), and
// the end of the text ends the last one. No value for any other byte, a
// component above 65535 or a fifth component. So "" is 0, "1." is 1.0 and
// "1..2" is 1.0.2.
std::optional<WindowsVersion> readVersion(std::string_view text);

// The used components in decimal, joined by "." ("1.0.2").
inline constexpr std::size_t kMaxVersionTextLength = 4 * 5 + 3;
char* writeVersion(const WindowsVersion& version, char* out);

template <>
struct GuardType<WindowsVersion> {
    static constexpr const char* name = "version";
    static constexpr bool selfContained = true;
    static void hash(HashAccumulator& accumulator, const WindowsVersion& value)
    {
        accumulator.addBytes(value.components, value.count * 2);
    }
};

} // namespace guard
