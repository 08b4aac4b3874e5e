#pragma once
// How far one expression may grow, and the failures past those bounds.
//
// Binding, evaluating and closing a tree recurse once per level, so its depth
// bounds the machine stack they take: at most about 450 bytes a level in a
// debug build with the address sanitizer, so kMaxExpressionDepth levels take
// under 2.5 MB, less than a third of the default 8 MB stack. The bound lets a
// collection, an "or" chain or a sum have thousands of terms (each term is a
// level, as they group to the left).
//
// The parser's position stack (which grows with open parentheses and
// prefix operators before any node is made) is held to the same number of
// entries, and the count of nodes to kMaxExpressionNodes, so that memory
// stays bounded whatever the length of the text. No real question comes
// near either bound.
#include <cstdint>

#include "platform/DebuggableException.h"

namespace guard {

inline constexpr std::uint32_t kMaxExpressionDepth = 5000;
inline constexpr std::uint32_t kMaxExpressionNodes = 250000;

GUARD_EXCEPTION(ExpressionTooDeep, DebuggableException);  // nested more than kMaxExpressionDepth
GUARD_EXCEPTION(ExpressionTooLarge, DebuggableException); // more than kMaxExpressionNodes nodes

} // namespace guard
