#pragma once
// Raised by the shift-reduce engine for a token sequence outside the grammar.
#include "platform/DebuggableException.h"

GUARD_EXCEPTION(ParsingFailure, DebuggableException);
