#pragma once
// Reading time intervals:
//
//   ["+" | "-"] ( n ("day" | "days") ["," h ":" m ":" s] | h ":" m ":" s )
//
// where every number is digits with an optional fraction ("5", "5.", ".5",
// "1.25"), blanks may stand between tokens, words have any letter case and
// no part is range-checked ("0:90:00" is ninety minutes). The numbers are
// read exactly in decimal, so "0:0:1.001" is 1 001 000 microseconds; digits
// beyond the 18th after the point are ignored. The result, truncated towards
// zero to whole microseconds, is clamped to the 64-bit range.
//
// A text outside the grammar raises ParsingFailure; StackFull for more than
// four pending numbers.
#include <string_view>

#include "Inspectors/Portable/Time/TimeValues.h"

namespace guard {

namespace IntervalGrammar {

TimeInterval read(std::string_view text);

} // namespace IntervalGrammar

} // namespace guard
