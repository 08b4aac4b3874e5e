#pragma once

namespace guard {
// Copying filters for word lexemes: copy [begin, end) to `out` and return
// the end of what was written (always as many bytes as were read).
// The ASCII filters change only the letters A to Z (resp. a to z); every
// other byte passes unchanged.
using CopyFilter = char* (*)(const char* begin, const char* end, char* out);

char* copyAsciiLowerCase(const char* begin, const char* end, char* out);
char* copyAsciiUpperCase(const char* begin, const char* end, char* out);

} // namespace guard
