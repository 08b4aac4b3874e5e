#pragma once
// Where the running program's executable file is.
#include "platform/FileLocation.h"

namespace guard {

namespace Platform {

// The full path of the executable; a failure raises the mapped file error.
FileLocation executableLocation();
// That path without its last component.
FileLocation executableDirectory();

} // namespace Platform

} // namespace guard
