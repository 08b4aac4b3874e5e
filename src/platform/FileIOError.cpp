#include "platform/FileIOError.h"

#include <cstring>
#include <typeinfo>

namespace guard {

std::string systemErrorText(int code)
{
    char buffer[256];
    // The GNU strerror_r returns either buffer or a static text.
    return strerror_r(code, buffer, sizeof buffer);
}

const char* FileIOError::what() const noexcept
{
    if (!description_.empty())
        return description_.c_str();
    try {
        std::string text = "File error \"";
        text += runtimeClassName(typeid(*this));
        text += '"';
        if (!location_.IsEmpty())
            text += " on \"" + location_.Path() + '"';
        if (!second_.IsEmpty())
            text += " and \"" + second_.Path() + '"';
        if (code_ != 0)
            text += ": " + systemErrorText(code_);
        description_ = std::move(text);
        return description_.c_str();
    } catch (...) {
        return runtimeClassName(typeid(*this));
    }
}

} // namespace guard
