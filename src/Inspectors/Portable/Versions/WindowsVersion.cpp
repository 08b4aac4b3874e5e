#include "Inspectors/Portable/Versions/WindowsVersion.h"

#include <algorithm>
#include <charconv>

namespace guard {

int compareVersions(const WindowsVersion& left, const WindowsVersion& right)
{
    std::uint32_t common = std::min(left.count, right.count);
    for (std::uint32_t i = 0; i < common; ++i) {
        if (left.components[i] != right.components[i])
            return left.components[i] < right.components[i] ? -1 : 1;
    }
    return 0;
}

std::optional<WindowsVersion> readVersion(std::string_view text)
{
    WindowsVersion version;
    std::uint32_t component = 0;
    const char* at = text.data();
    const char* end = at + text.size();
    for (;;) {
        if (at == end || *at == '.' || *at == ',') {
            if (version.count == 4)
                return std::nullopt; // a fifth component
            version.components[version.count++] = std::uint16_t(component);
            component = 0;
            if (at == end)
                return version;
            if (*at++ == ',' && at != end && *at == ' ')
                ++at;
            continue;
        }
        if (*at < '0' || *at > '9')
            return std::nullopt;
        component = component * 10 + std::uint32_t(*at++ - '0');
        if (component > 65535)
            return std::nullopt;
    }
}

char* writeVersion(const WindowsVersion& version, char* out)
{
    for (std::uint32_t i = 0; i < version.count; ++i) {
        if (i > 0)
            *out++ = '.';
        out = std::to_chars(out, out + 5, version.components[i]).ptr;
    }
    return out;
}

} // namespace guard
