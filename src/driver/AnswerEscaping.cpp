#include "driver/AnswerEscaping.h"

#include "pipeline/HexDigits.h"

namespace guard {

void writeEscaped(LineReceiver& output, std::string_view text)
{
    const char* run = text.data();
    const char* end = text.data() + text.size();
    for (const char* at = run; at != end; ++at) {
        auto byte = static_cast<unsigned char>(*at);
        if (byte >= 0x20 && byte <= 0x7E && byte != '%')
            continue;
        if (at != run)
            output.Text(run, at);
        const char escape[3] = {'%', kLowercaseHexDigits[byte >> 4], kLowercaseHexDigits[byte & 15]};
        output.Text(escape, escape + 3);
        run = at + 1;
    }
    if (end != run)
        output.Text(run, end);
}

} // namespace guard
