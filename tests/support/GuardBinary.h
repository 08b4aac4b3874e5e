#pragma once
// The guard program that the end-to-end tests run: $GUARD_BINARY when set,
// otherwise the program of this very build (its path is compiled in), so a
// test never skips for want of a variable.
#include <cstdlib>
#include <string>

namespace guard {

inline std::string guardBinary()
{
    if (const char* path = std::getenv("GUARD_BINARY"); path && *path)
        return path;
    return GUARD_BUILT_BINARY;
}

} // namespace guard
