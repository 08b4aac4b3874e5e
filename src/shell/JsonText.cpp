#include "shell/JsonText.h"

#include "pipeline/HexDigits.h"

namespace guard {

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there
// does not begin one (overlong forms, surrogates and code points past
// U+10FFFF are not valid).
std::size_t utf8Length(const unsigned char* at, const unsigned char* end)
{
    unsigned char lead = *at;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (std::size_t(end - at) < length || at[1] < low || at[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at[i] < 0x80 || at[i] > 0xBF)
            return 0;
    return length;
}

void put(DataReceiver& out, std::string_view text) { out.Receive(text.data(), text.data() + text.size()); }

void writeUnicodeEscape(DataReceiver& out, unsigned char byte)
{
    const char escape[6] = {'\\', 'u', '0', '0', kLowercaseHexDigits[byte >> 4], kLowercaseHexDigits[byte & 15]};
    out.Receive(escape, escape + 6);
}

} // namespace

void writeJsonString(DataReceiver& out, std::string_view bytes)
{
    put(out, "\"");
    auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    auto* end = at + bytes.size();
    const unsigned char* run = at;
    auto flushRun = [&] {
        if (run != at)
            out.Receive(reinterpret_cast<const char*>(run), reinterpret_cast<const char*>(at));
    };
    while (at != end) {
        unsigned char byte = *at;
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            ++at;
            continue;
        }
        if (byte >= 0x80) {
            if (std::size_t length = utf8Length(at, end)) {
                at += length;
                continue;
            }
        }
        flushRun();
        switch (byte) {
        case '"': put(out, "\\\""); break;
        case '\\': put(out, "\\\\"); break;
        case '\n': put(out, "\\n"); break;
        case '\t': put(out, "\\t"); break;
        case '\r': put(out, "\\r"); break;
        default: writeUnicodeEscape(out, byte); break;
        }
        run = ++at;
    }
    flushRun();
    put(out, "\"");
}

} // namespace guard
