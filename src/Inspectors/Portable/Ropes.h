#pragma once
// "rope": text joined by "&" without copying it. A rope node refers to a
// left rope, its own text and a right rope (either may be absent), and
// knows the length and node count of the whole rope under it. The nodes
// live in the current thread's allocator and point at their operands' text.
#include <cstdint>
#include <optional>

#include "registry/CoreValues.h"

namespace guard {

struct Rope {
    const Rope* left;
    const Rope* right;
    String text;
    std::uint64_t length; // of the whole rope
    std::uint64_t nodes;  // in the whole rope
};

template <>
struct GuardType<Rope> {
    static constexpr const char* name = "rope";
};

// "rope KEY" and the three "&" rows.
Rope ropeOf(const String& text);
Rope stringAndRope(const String& left, const Rope& right);
Rope ropeAndString(const Rope& left, const String& right);
Rope ropeAndRope(const Rope& left, const Rope& right);

// The whole text in one new string (no value past the length of a string),
// made without recursion whatever the shape of the rope.
std::optional<String> flattened(const Rope& rope);

} // namespace guard
