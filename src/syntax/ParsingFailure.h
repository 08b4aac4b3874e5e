#pragma once
// Raised by the shift-reduce engine for a token sequence outside the grammar.
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(ParsingFailure, DebuggableException);

} // namespace guard
