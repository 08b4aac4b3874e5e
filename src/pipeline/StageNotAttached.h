#pragma once
// A pipeline stage was used while it had no target attached (for example
// after Finish() detached it).
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(StageNotAttached, DebuggableException);

} // namespace guard
