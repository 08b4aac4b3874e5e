// Fuzz target: the readers of outside text in the string vocabulary.
//
// Input: one selector byte, then the text. The selector's low bits choose
// the reader; its high bits how the text is cut into chunks for the
// streaming decoders (see feedInChunks). Each reader either refuses the text
// in its own way or gives an answer that must agree with itself:
//  - tuple strings: items are views inside the text, a second reading gives
//    the same items, and a text that reads is never refused by the check;
//  - distinguished names: the same, and every element has a type and "=";
//  - decimal and hexadecimal integers: what is read writes back to a text
//    that reads as the same number;
//  - hexadecimal strings: what is read writes back as the text in lowercase;
//  - Base64: decoding never fails; any bytes encode and decode back, in any
//    chunking; what is decoded decodes the same after encoding again;
//  - UTF-8 and UTF-16: a text either throws InvalidTextEncoding or goes to
//    the other form and back unchanged, in any chunking.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "Inspectors/Portable/DistinguishedNames.h"
#include "Inspectors/Portable/IntegerText.h"
#include "Inspectors/Portable/TupleStrings.h"
#include "pipeline/Base64.h"
#include "pipeline/Transcoders.h"
#include "registry/InspectorContext.h"

namespace guard {

namespace {

bool inside(std::string_view part, std::string_view text)
{
    return part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size();
}

template <class Reader, class Refusal, class Check>
void readTwice(std::string_view text, Check&& checkItem)
{
    std::vector<std::string_view> first;
    try {
        Reader reader(text);
        for (std::string_view item; reader.next(item);) {
            fuzz::check(inside(item, text), "an item outside the text", item);
            checkItem(item);
            first.push_back(item);
        }
    } catch (const Refusal&) {
        return;
    }
    Reader again(text);
    std::size_t count = 0;
    for (std::string_view item; again.next(item); ++count)
        fuzz::check(count < first.size() && item == first[count], "a second reading differs", item);
    fuzz::check(count == first.size(), "a second reading has another count");
}

void readTupleString(std::string_view text)
{
    try {
        readTwice<TupleStringReader, BadTupleString>(text, [](std::string_view) {});
    } catch (const MismatchedParentheses&) {
        return;
    }
    try {
        checkTupleString(text);
    } catch (const BadTupleString&) {
    } catch (const MismatchedParentheses&) {
    }
}

void readDistinguishedName(std::string_view text)
{
    readTwice<DistinguishedNameReader, BadDistinguishedName>(text, [](std::string_view element) {
        fuzz::check(!elementType(element).empty(), "an element without a type", element);
        fuzz::check(elementType(element).size() < element.size(), "an element without \"=\"", element);
    });
}

String asString(std::string_view text) { return String(text.data(), std::uint32_t(text.size())); }

void readIntegers(std::string_view text)
{
    if (std::optional<std::int64_t> value = integerFromText(asString(text)))
        fuzz::check(integerFromText(integerAsString(*value)) == value, "a decimal integer reads back otherwise", text);
    if (std::optional<std::int64_t> value = hexadecimalIntegerFromText(asString(text)))
        fuzz::check(hexadecimalIntegerFromText(integerAsHexadecimal(*value)) == value,
                    "a hexadecimal integer reads back otherwise", text);
    if (std::optional<String> bytes = hexadecimalStringFromText(asString(text))) {
        std::string lower(text);
        for (char& c : lower)
            c = c >= 'A' && c <= 'F' ? char(c - 'A' + 'a') : c;
        fuzz::check(stringAsHexadecimal(*bytes).view() == lower, "a hexadecimal string writes back otherwise", text);
    }
}

// The filter F run over `text` cut by `selector`, drained at the end.
template <class F>
std::string filtered(std::string_view text, std::uint8_t selector)
{
    F filter;
    std::string result;
    char room[7];
    fuzz::feedInChunks(text, selector, [&](const char* begin, const char* end) {
        ConstRange in{begin, end};
        while (in.begin != in.end) {
            MutableRange out{room, room + sizeof room};
            filter.Filter(in, out);
            result.append(room, out.begin);
        }
    });
    while (!filter.IsDrained()) {
        MutableRange out{room, room + sizeof room};
        filter.Drain(out);
        result.append(room, out.begin);
    }
    return result;
}

void readBase64(std::string_view text, std::uint8_t selector)
{
    std::string decoded = filtered<Base64Decoder>(text, selector);
    fuzz::check(decoded.size() <= Base64Decoder::MaxDecodedLength(text.size()), "decoding made too much");
    std::string encoded = filtered<Base64Encoder>(text, selector);
    fuzz::check(encoded.size() == Base64Encoder::EncodedLength(text.size()), "an encoding of another length");
    fuzz::check(filtered<Base64Decoder>(encoded, selector) == text, "bytes do not survive encoding", text);
    std::string again = filtered<Base64Decoder>(filtered<Base64Encoder>(decoded, 0), selector);
    fuzz::check(again == decoded, "decoded bytes do not survive encoding", text);
}

template <class There, class Back>
void transcodeBothWays(std::string_view text, std::uint8_t selector)
{
    std::string there;
    try {
        there = filtered<There>(text, selector);
    } catch (const InvalidTextEncoding&) {
        return;
    }
    fuzz::check(filtered<Back>(there, selector) == text, "a text does not come back", text);
}

} // namespace

} // namespace guard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace guard;
    if (size == 0)
        return 0;
    std::uint8_t selector = data[0];
    std::string copy(reinterpret_cast<const char*>(data + 1), size - 1); // a read past the end is caught
    std::string_view text = copy;
    static InlineStackAllocator<65536> allocator;
    InstalledEvaluation installed(nullptr, &allocator);
    StackAllocatorBase::Mark mark = allocator.mark();
    std::uint8_t chunking = std::uint8_t(selector >> 3);
    switch (selector & 7) {
    case 0: readTupleString(text); break;
    case 1: readDistinguishedName(text); break;
    case 2: readIntegers(text); break;
    case 3: readBase64(text, chunking); break;
    case 4: transcodeBothWays<Utf8ToUtf16Filter, Utf16ToUtf8Filter>(text, chunking); break;
    case 5: transcodeBothWays<Utf16ToUtf8Filter, Utf8ToUtf16Filter>(text, chunking); break;
    default:
        readTupleString(text);
        readDistinguishedName(text);
        break;
    }
    allocator.release(mark);
    return 0;
}
