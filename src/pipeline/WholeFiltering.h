#pragma once
// Runs a data filter over one whole input held in memory: filters all of
// [begin, end) into [out, outEnd), drains it, and returns the number of bytes
// written. Throws DataOverflow when the output does not fit and
// DataFilterStalled when the filter neither consumes nor produces.
#include <cstddef>

#include "pipeline/DataFilter.h"

namespace guard {

std::size_t filterWhole(DataFilter& filter, const char* begin, const char* end, char* out, char* outEnd);

} // namespace guard
