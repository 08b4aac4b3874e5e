#pragma once
// CRC-24 as used for OpenPGP armor: initial value 0xB704CE, polynomial
// 0x864CFB, table-driven, the checksum being the low 24 bits.
#include <cstddef>
#include <cstdint>

namespace guard {

inline constexpr std::uint32_t kCrc24Initial = 0xB704CE;

// The CRC-24 of the bytes, continuing from `crc`.
std::uint32_t crc24(const void* bytes, std::size_t count, std::uint32_t crc = kCrc24Initial);

} // namespace guard
