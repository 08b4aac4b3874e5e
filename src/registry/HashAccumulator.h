#pragma once
// Accumulates the hashes of values and the global dependencies of an
// expression: `sum` adds the CRC-24 of each hashed value (modulo 2^32) and
// `flags` collects dependency bits (bit 31: a value was hashed; bit i < 31:
// global dependency i).
#include <cstddef>
#include <cstdint>

#include "pipeline/Crc24.h"

namespace guard {

struct HashAccumulator {
    std::uint32_t sum = 0;
    std::uint32_t flags = 0;

    void addBytes(const void* bytes, std::size_t count)
    {
        sum += crc24(bytes, count);
        flags |= 0x80000000u;
    }
};

} // namespace guard
