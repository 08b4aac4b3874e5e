#pragma once
// "ip version": the kind of an address, 0 for IPv4, 1 for IPv6 and 2 for
// either ("any ip version").
#include <cstdint>

#include "registry/GuardType.h"

namespace guard {

struct IPVersion {
    std::uint32_t number;
};

template <>
struct GuardType<IPVersion> {
    static constexpr const char* name = "ip version";
};

} // namespace guard
