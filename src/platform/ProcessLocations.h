#pragma once
// The process-wide storage and library locations, set once by the driver at
// start-up. Asking for a location while it is unset (or set empty) throws
// UnsetStorageLocation or UnsetLibLocation. Safe to use from several threads.
#include "platform/DebuggableException.h"
#include "platform/FileLocation.h"

namespace guard {

GUARD_EXCEPTION(UnsetStorageLocation, DebuggableException);
GUARD_EXCEPTION(UnsetLibLocation, DebuggableException);

namespace Platform {

void setStorageLocation(const FileLocation& location);
FileLocation storageLocation();

void setLibLocation(const FileLocation& location);
FileLocation libLocation();
bool isLibLocationSet();

} // namespace Platform

} // namespace guard
