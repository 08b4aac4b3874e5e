#pragma once
// A byte was written, or a range copied, past the end of a fixed-size output
// range.
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(DataOverflow, DebuggableException);

} // namespace guard
