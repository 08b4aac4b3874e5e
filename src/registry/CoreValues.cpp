#include "registry/CoreValues.h"

namespace guard {

const World kWorldValue{};

String String::copy(const char* begin, const char* end)
{
    char* bytes = nullptr;
    String result = allocate(std::uint32_t(end - begin), bytes);
    if (end != begin)
        std::memcpy(bytes, begin, std::size_t(end - begin));
    return result;
}

String String::allocate(std::uint32_t count, char*& bytes)
{
    bytes = static_cast<char*>(currentAllocator().allocate(count));
    return String(bytes, count);
}

String String::join(std::initializer_list<std::string_view> parts)
{
    std::size_t total = 0;
    for (std::string_view part : parts)
        total += part.size();
    char* bytes = nullptr;
    String result = allocate(std::uint32_t(total), bytes);
    for (std::string_view part : parts) {
        if (!part.empty())
            std::memcpy(bytes, part.data(), part.size());
        bytes += part.size();
    }
    return result;
}

} // namespace guard
