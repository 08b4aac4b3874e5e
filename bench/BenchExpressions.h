#pragma once
// Small expressions of the kinds a question file holds, shared by the
// micro-benchmarks: arithmetic, a comparison pair, a cast, a tuple and a
// whose over a short list. Benchmarks take one by index (Arg) and label
// their result with its text.
#include <cstddef>
#include <string_view>

namespace guard {

inline constexpr std::string_view kSmallExpressions[] = {
    "417 + 86 * 7",
    "(417 < 86) and (7 > 417)",
    "\"417\" as integer + 86",
    "(417, 86)",
    "number of (417; 86; 7) whose (it > 86)",
    "(if (417 mod 7 = 4) then \"yes\" else \"no\") & \" and \" & (86 as string)",
};

inline constexpr std::size_t kSmallExpressionCount = std::size(kSmallExpressions);

} // namespace guard
