#include "pipeline/Crc24.h"

#include <array>

namespace guard {

namespace {

constexpr std::array<std::uint32_t, 256> makeCrc24Table()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i << 16;
        for (int bit = 0; bit < 8; ++bit) {
            value <<= 1;
            if (value & 0x1000000)
                value ^= 0x864CFB;
        }
        table[i] = value & 0xFFFFFF;
    }
    return table;
}

constexpr auto kCrc24Table = makeCrc24Table();

} // namespace

std::uint32_t crc24(const void* bytes, std::size_t count, std::uint32_t crc)
{
    auto p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < count; ++i)
        crc = (crc << 8) ^ kCrc24Table[((crc >> 16) ^ p[i]) & 0xFF];
    return crc & 0xFFFFFF;
}

} // namespace guard
