#pragma once
// How many patterns the regex rows have compiled on this thread (for tests
// and statistics). Free of the matcher's headers, so that code that also
// sees the system's <regex.h> can include it.
#include <cstdint>

namespace guard {

std::uint64_t regexCompilations();

} // namespace guard
