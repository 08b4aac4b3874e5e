// "ip version": which kind of address, as the number 0 ("ipv4"), 1 ("ipv6")
// or 2 ("any ip version").
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/Addresses/IPVersion.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

template <std::uint32_t number>
IPVersion ipVersion()
{
    return IPVersion{number};
}

// "ip version KEY": the version of that number, unchecked (only its low 32
// bits are kept); a number without a name has no text.
IPVersion ipVersionNumbered(std::int64_t number) { return IPVersion{std::uint32_t(number)}; }

std::optional<String> ipVersionAsString(IPVersion version)
{
    switch (version.number) {
    case 0: return String::literal("ipv4");
    case 1: return String::literal("ipv6");
    case 2: return String::literal("any ip version");
    default: return std::nullopt;
    }
}

bool ipVersionsEqual(IPVersion left, IPVersion right) { return left.number == right.number; }

} // namespace

GUARD_INSPECTORS(type<IPVersion>(), property<Shape::Global, ipVersion<0>>("ipv4", "ipv4s"),
                 property<Shape::Global, ipVersion<1>>("ipv6", "ipv6s"),
                 property<Shape::Global, ipVersion<2>>("any ip version", "any ip versions"),
                 property<Shape::Keyed, ipVersionNumbered>("ip version", "ip versions"),
                 cast<ipVersionAsString>("string"), binary<kEqual, ipVersionsEqual>())

} // namespace guard
