// guard-shell's text handling on any bytes: a JSON string made of them must
// decode back to the same bytes, whatever they are; a question's
// continuation check and the completion of any word never fail, and every
// completion keeps the word's head.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "pipeline/StringReceiver.h"
#include "shell/Completion.h"
#include "shell/Continuation.h"
#include "shell/JsonText.h"

namespace guard {

namespace {

unsigned hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return unsigned(c - '0');
    if (c >= 'a' && c <= 'f')
        return unsigned(c - 'a' + 10);
    fuzz::fail("not a lowercase hexadecimal digit in a \\u escape");
}

// Reads the JSON string back: escapes give their byte, everything else is
// passed as it is (the writer only lets valid UTF-8 through unescaped).
std::string decodeJson(std::string_view json)
{
    fuzz::check(json.size() >= 2 && json.front() == '"' && json.back() == '"', "not quoted", json);
    std::string bytes;
    for (std::size_t i = 1; i + 1 < json.size(); ++i) {
        char c = json[i];
        auto byte = static_cast<unsigned char>(c);
        fuzz::check(byte >= 0x20 && c != '"', "unescaped control byte or quote", json);
        if (c != '\\') {
            bytes += c;
            continue;
        }
        fuzz::check(i + 2 < json.size(), "escape cut short", json);
        char kind = json[++i];
        switch (kind) {
        case '"': bytes += '"'; break;
        case '\\': bytes += '\\'; break;
        case 'n': bytes += '\n'; break;
        case 't': bytes += '\t'; break;
        case 'r': bytes += '\r'; break;
        case 'u':
            fuzz::check(i + 4 < json.size() && json.substr(i + 1, 2) == "00", "bad \\u escape", json);
            bytes += char(hexValue(json[i + 3]) * 16 + hexValue(json[i + 4]));
            i += 4;
            break;
        default: fuzz::fail("unknown escape", json);
        }
    }
    return bytes;
}

} // namespace

} // namespace guard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace guard;
    std::string_view input(reinterpret_cast<const char*>(data), size);

    std::string json;
    StringReceiver receiver(json);
    writeJsonString(receiver, input);
    fuzz::check(decodeJson(json) == input, "the JSON string does not give the bytes back", json);

    (void)questionContinues(input);

    std::size_t start = size == 0 ? 0 : data[0] % (size + 1);
    std::string_view word = input.substr(start);
    for (const std::string& completion : completionsAt(input, start, size))
        fuzz::check(std::string_view(completion).starts_with(word), "a completion that drops the word", completion);
    return 0;
}
