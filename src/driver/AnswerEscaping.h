#pragma once
// Writes text into an answer line: bytes 0x20 to 0x7E other than "%" as they
// are, every other byte as "%" and two lowercase hexadecimal digits.
#include <string_view>

#include "pipeline/LineReceiver.h"

namespace guard {

void writeEscaped(LineReceiver& output, std::string_view text);

} // namespace guard
