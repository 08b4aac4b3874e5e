#include "shell/Continuation.h"

namespace guard {

bool questionContinues(std::string_view text)
{
    enum class In { Code, String, BlockComment } in = In::Code;
    long depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        char following = i + 1 < text.size() ? text[i + 1] : '\0';
        switch (in) {
        case In::Code:
            if (c == '"')
                in = In::String;
            else if (c == '/' && following == '*') {
                in = In::BlockComment;
                ++i;
            } else if (c == '(')
                ++depth;
            else if (c == ')')
                --depth;
            break;
        case In::String:
            if (c == '"')
                in = In::Code;
            break;
        case In::BlockComment:
            if (c == '*' && following == '/') {
                in = In::Code;
                ++i;
            }
            break;
        }
    }
    return in == In::String || in == In::BlockComment || depth > 0;
}

} // namespace guard
