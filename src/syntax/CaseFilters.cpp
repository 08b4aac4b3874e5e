#include "syntax/CaseFilters.h"

namespace guard {

char* copyAsciiLowerCase(const char* begin, const char* end, char* out)
{
    for (; begin < end; ++begin, ++out) {
        char c = *begin;
        *out = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
    }
    return out;
}

char* copyAsciiUpperCase(const char* begin, const char* end, char* out)
{
    for (; begin < end; ++begin, ++out) {
        char c = *begin;
        *out = (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c;
    }
    return out;
}

} // namespace guard
