// "rope": text joined by "&" without copying it. A rope node refers to a
// left rope, its own text and a right rope (either may be absent); the
// nodes live in the stack allocator and point at their operands' text.
// Flattening walks the tree with a small explicit stack, never by recursion:
// it goes on with the child of fewer nodes and leaves the other on the
// stack, so the stack holds at most one entry per halving of the tree (a
// chain of 100,000 joins needs one).
#include "Inspectors/Portable/Ropes.h"

#include "registry/Inspectors.h"

#include <cassert>
#include <cstring>
#include <iterator>
#include <limits>
#include <new>
#include <string_view>

namespace guard {

namespace {

const Rope* kept(const Rope& rope) { return new (currentAllocator().allocate(sizeof(Rope))) Rope(rope); }

Rope joined(const Rope* left, String text, const Rope* right)
{
    std::uint64_t length = text.length, nodes = 1;
    for (const Rope* part : {left, right})
        if (part) {
            length += part->length;
            nodes += part->nodes;
        }
    return Rope{left, right, text, length, nodes};
}

std::int64_t ropeLength(const Rope& rope) { return std::int64_t(rope.length); }

} // namespace

Rope ropeOf(const String& text) { return joined(nullptr, text, nullptr); }
Rope stringAndRope(const String& left, const Rope& right) { return joined(nullptr, left, kept(right)); }
Rope ropeAndString(const Rope& left, const String& right) { return joined(kept(left), right, nullptr); }
Rope ropeAndRope(const Rope& left, const Rope& right) { return joined(kept(left), String(), kept(right)); }

// The whole text, left part then text then right part, in one new string;
// no value when it is longer than a string can be.
std::optional<String> flattened(const Rope& rope)
{
    if (rope.length > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    char* bytes = nullptr;
    String result = String::allocate(std::uint32_t(rope.length), bytes);
    struct Pending {
        const Rope* node;
        std::uint64_t at;
    };
    Pending stack[66];
    std::size_t depth = 0;
    stack[depth++] = {&rope, 0};
    while (depth != 0) {
        Pending job = stack[--depth];
        while (job.node) {
            const Rope& node = *job.node;
            std::uint64_t textAt = job.at + (node.left ? node.left->length : 0);
            if (node.text.length != 0)
                std::memcpy(bytes + textAt, node.text.data, node.text.length);
            Pending left{node.left, job.at}, right{node.right, textAt + node.text.length};
            if (left.node && right.node) {
                bool leftSmaller = left.node->nodes <= right.node->nodes;
                assert(depth < std::size(stack));
                stack[depth++] = leftSmaller ? right : left;
                job = leftSmaller ? left : right;
            } else {
                job = left.node ? left : right;
            }
        }
    }
    return result;
}

namespace {

std::optional<bool> ropeContains(const Rope& rope, const String& part)
{
    std::optional<String> text = flattened(rope);
    if (!text)
        return std::nullopt;
    return text->view().find(part.view()) != std::string_view::npos;
}

} // namespace

GUARD_INSPECTORS(type<Rope>(), property<Shape::Keyed, ropeOf>("rope", "ropes"),
                 property<Shape::Of, ropeLength>("length", "lengths"), cast<flattened>("string"),
                 binary<kConcatenate, stringAndRope>(), binary<kConcatenate, ropeAndString>(),
                 binary<kConcatenate, ropeAndRope>(), binary<kContains, ropeContains>())

} // namespace guard
