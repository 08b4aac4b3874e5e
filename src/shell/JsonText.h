#pragma once
// Writes bytes as a JSON string, quotes included. Valid UTF-8 passes as it
// is; the double quote, the backslash and control bytes are escaped; a byte
// that is not part of a valid UTF-8 sequence is written as the code point of
// the same number (\u0080 to \u00ff), reading it as Latin-1, so that the
// output is always valid JSON and no byte is lost.
#include <string_view>

#include "pipeline/DataReceiver.h"

namespace guard {

void writeJsonString(DataReceiver& out, std::string_view bytes);

} // namespace guard
