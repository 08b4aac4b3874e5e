#pragma once
// The failures of reading a time, a date, a time of day, a zone or an
// interval from text, beside the engine's ParsingFailure: the text names a
// date or a time of day that does not exist, a weekday that is not the
// date's, or no zone where one is required; StackFull when a text pushes more
// numbers than the grammar's value stack holds. Each reaches the answer as
// "The expression could not be evaluated: class X".
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(NoSuchDate, DebuggableException);
GUARD_EXCEPTION(NoSuchTimeOfDay, DebuggableException);
GUARD_EXCEPTION(WrongDayOfWeek, DebuggableException);
GUARD_EXCEPTION(NoTimeZone, DebuggableException);
GUARD_EXCEPTION(StackFull, DebuggableException);

} // namespace guard
