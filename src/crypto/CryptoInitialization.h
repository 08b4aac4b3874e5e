#pragma once
// Prepares the cryptographic module for the run, reading the masthead file
// at `masthead` to decide its mode. Returns false when the module cannot be
// used; the program then ends at once.
#include "platform/FileLocation.h"

namespace guard {

bool InitializeCrypto(const FileLocation& masthead);

} // namespace guard
