#pragma once
// A small vocabulary the evaluation tests register for themselves:
//   test values N          the integers 1..N, one by one (plural)
//   test counted of N      false, counting how often it is asked
//   test volatile counted of N   the same, registered as volatile
//   test opaque N          a "test opaque" value, whose "string" cast has no
//                          value for odd N
// and evaluates expressions with it.
#include <cstdint>
#include <string>
#include <string_view>

#include "registry/InspectorContext.h"

namespace guard {

namespace TestVocabulary {

// How many values "test values" has produced since the last reset.
extern std::int64_t producedValues;
// How many times "test counted" has been asked since the last reset.
extern std::int64_t countedValues;

// The values of `text` as strings joined by "; ", or "!" and the class of
// the exception that stopped it (without the "class " prefix).
std::string evaluate(std::string_view text, InspectorContext* context = nullptr);

// The same, stopping after `limit` values.
std::string evaluateFirst(std::string_view text, std::size_t limit, InspectorContext* context = nullptr);

} // namespace TestVocabulary

} // namespace guard
