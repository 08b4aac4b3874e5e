#pragma once
// A byte was written, or a range copied, past the end of a fixed-size output
// range.
#include "platform/DebuggableException.h"

GUARD_EXCEPTION(DataOverflow, DebuggableException);
