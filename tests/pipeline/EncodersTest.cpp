// The text encoders and transcoders, fed every split of their input and
// given output windows down to one byte: the output must not depend on
// either.
#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/AsciiCaseFilters.h"
#include "pipeline/Base64.h"
#include "pipeline/Crc24.h"
#include "pipeline/DataFilterer.h"
#include "pipeline/StringReceiver.h"
#include "pipeline/HexEncoder.h"
#include "pipeline/Transcoders.h"
#include "pipeline/UrlEncoding.h"

#include "support/ChunkedInput.h"

namespace guard {

namespace {

// Runs a fresh F over `chunks` with output windows of `window` bytes, then
// drains it. A call that neither consumes nor produces fails the test.
template <class F>
std::string filtered(const std::vector<std::string_view>& chunks, std::size_t window)
{
    F filter;
    std::string result;
    std::vector<char> room(window);
    for (std::string_view chunk : chunks) {
        std::vector<char> copy(chunk.begin(), chunk.end()); // a read past the chunk is caught
        ConstRange in{copy.data(), copy.data() + copy.size()};
        while (in.begin != in.end) {
            MutableRange out{room.data(), room.data() + window};
            const char* before = in.begin;
            filter.Filter(in, out);
            result.append(room.data(), out.begin);
            if (in.begin == before && out.begin == room.data()) {
                ADD_FAILURE() << "the filter stalled";
                return result;
            }
        }
    }
    while (!filter.IsDrained()) {
        MutableRange out{room.data(), room.data() + window};
        filter.Drain(out);
        result.append(room.data(), out.begin);
        if (out.begin == room.data()) {
            ADD_FAILURE() << "draining stalled";
            break;
        }
    }
    return result;
}

constexpr std::size_t kWindows[] = {1, 2, 3, 1024};

template <class F>
void expectEveryWay(std::string_view input, std::string_view expected)
{
    for (const Chunking& chunking : chunkingsOf(input))
        for (std::size_t window : kWindows)
            EXPECT_EQ(filtered<F>(chunking.chunks, window), expected)
                << "input " << testing::PrintToString(std::string(input)) << ", " << chunking.name << ", window "
                << window;
}

template <class F>
void expectInvalidEveryWay(std::string_view input)
{
    for (const Chunking& chunking : chunkingsOf(input))
        for (std::size_t window : kWindows)
            EXPECT_THROW(filtered<F>(chunking.chunks, window), InvalidTextEncoding)
                << "input " << testing::PrintToString(std::string(input)) << ", " << chunking.name << ", window "
                << window;
}

using namespace std::string_view_literals;

TEST(Base64Encoder, PadsTheLastGroupAndWritesNoLineBreaks)
{
    expectEveryWay<Base64Encoder>("abc", "YWJj");
    expectEveryWay<Base64Encoder>("ab", "YWI=");
    expectEveryWay<Base64Encoder>("a", "YQ==");
    expectEveryWay<Base64Encoder>("", "");
    expectEveryWay<Base64Encoder>("hello", "aGVsbG8=");
    expectEveryWay<Base64Encoder>("\0\xff\xfe"sv, "AP/+");
    std::string long_(100, 'x');
    std::string encoded = filtered<Base64Encoder>({long_}, 1024);
    EXPECT_EQ(encoded.size(), Base64Encoder::EncodedLength(100));
    EXPECT_EQ(encoded.find('\n'), std::string::npos);
}

TEST(Base64Decoder, SkipsEveryByteOutsideTheAlphabetAndDropsLeftOverBits)
{
    expectEveryWay<Base64Decoder>("YWJj", "abc");
    expectEveryWay<Base64Decoder>("YW Jj\r\n", "abc");
    expectEveryWay<Base64Decoder>("YW*Jj", "abc");
    expectEveryWay<Base64Decoder>("YQ==", "a");
    expectEveryWay<Base64Decoder>("aGVsbG8=", "hello");
    expectEveryWay<Base64Decoder>("AP/+", "\0\xff\xfe"sv);
    expectEveryWay<Base64Decoder>("Y", "");
    expectEveryWay<Base64Decoder>("=\0\xff!"sv, "");
}

TEST(HexEncoder, WritesTwoLowercaseDigitsPerByteHighFirst)
{
    expectEveryWay<HexEncoder>("\x0a\xff", "0aff");
    expectEveryWay<HexEncoder>("", "");
    expectEveryWay<HexEncoder>("\0Az"sv, "00417a");
}

TEST(AsciiCaseFilters, ChangeTheAsciiLettersOnly)
{
    expectEveryWay<Ascii::CaseRaisingFilter>("aZ@[`{\xe9\0"sv, "AZ@[`{\xe9\0"sv);
    expectEveryWay<Ascii::CaseLoweringFilter>("Az@[`{\xc9\0"sv, "az@[`{\xc9\0"sv);
}

TEST(Utf8ToUtf16Filter, DecodesOneToFourByteForms)
{
    expectEveryWay<Utf8ToUtf16Filter>("A", "A\0"sv);
    expectEveryWay<Utf8ToUtf16Filter>("\xc3\xa9", "\xe9\0"sv);
    expectEveryWay<Utf8ToUtf16Filter>("\xe2\x82\xac", "\xac\x20"sv);
    expectEveryWay<Utf8ToUtf16Filter>("\xef\xbf\xbf", "\xff\xff"sv);
    expectEveryWay<Utf8ToUtf16Filter>("\xf0\x9f\x98\x80", "\x3d\xd8\x00\xde"sv);
    expectEveryWay<Utf8ToUtf16Filter>("\xf4\x8f\xbf\xbf", "\xff\xdb\xff\xdf"sv);
    expectEveryWay<Utf8ToUtf16Filter>("a\xc3\xa9\xf0\x9f\x98\x80z", "a\0\xe9\0\x3d\xd8\x00\xdez\0"sv);
}

TEST(Utf8ToUtf16Filter, RejectsMalformedOverlongSurrogateAndTooLargeForms)
{
    for (std::string_view bad : {"\xed\xa0\x80"sv, "\xed\xbf\xbf"sv, "\xc0\x80"sv, "\xc1\xbf"sv, "\xe0\x80\x80"sv,
                                 "\xe0\x9f\xbf"sv, "\xf0\x80\x80\x80"sv, "\xf0\x8f\xbf\xbf"sv, "\xf4\x90\x80\x80"sv,
                                 "\xf5\x80\x80\x80"sv, "\xff"sv, "\x80"sv, "a\xc3"sv, "\xc3\x41"sv, "\xe2\x82"sv})
        expectInvalidEveryWay<Utf8ToUtf16Filter>(bad);
}

TEST(Utf8ToUtf16Filter, InAReceiverChainPassesUnitsOnAndItsErrorTravelsUp)
{
    std::string units;
    StringReceiver collected(units);
    Utf8ToUtf16Filter decoder;
    DataFilterer stage(collected, decoder);
    feedChunks(stage, {"a\xf0\x9f", "\x98\x80"});
    EXPECT_EQ(units, "a\0\x3d\xd8\x00\xde"sv);
    Utf8ToUtf16Filter another;
    DataFilterer failing(collected, another);
    EXPECT_THROW(feedChunks(failing, {"ok", "\xed\xa0\x80"}), InvalidTextEncoding);
    Utf8ToUtf16Filter cut;
    DataFilterer ending(collected, cut);
    EXPECT_THROW(feedChunks(ending, {"a\xe2\x82"}), InvalidTextEncoding);
}

TEST(Utf16ToUtf8Filter, EncodesUnitsAndPairs)
{
    expectEveryWay<Utf16ToUtf8Filter>("A\0"sv, "A");
    expectEveryWay<Utf16ToUtf8Filter>("\xe9\0"sv, "\xc3\xa9");
    expectEveryWay<Utf16ToUtf8Filter>("\xac\x20"sv, "\xe2\x82\xac");
    expectEveryWay<Utf16ToUtf8Filter>("\x3d\xd8\x00\xde"sv, "\xf0\x9f\x98\x80");
    expectEveryWay<Utf16ToUtf8Filter>("\xff\xdb\xff\xdf"sv, "\xf4\x8f\xbf\xbf");
}

TEST(Utf16ToUtf8Filter, RejectsUnpairedSurrogatesAndAnOddByte)
{
    for (std::string_view bad : {"\x00\xdc"sv, "\x3d\xd8"sv,
                                 "\x3d\xd8"
                                 "A\0"sv,
                                 "\x3d\xd8\x3d\xd8"sv, "A"sv})
        expectInvalidEveryWay<Utf16ToUtf8Filter>(bad);
}

TEST(AsciiTranscoders, PassOrWidenBytesBelow128AndRejectTheRest)
{
    expectEveryWay<AsciiToUtf8Filter>("a\0~"sv, "a\0~"sv);
    expectEveryWay<AsciiToUtf16Filter>("a\0~"sv, "a\0\0\0~\0"sv);
    expectInvalidEveryWay<AsciiToUtf8Filter>("ab\x80");
    expectInvalidEveryWay<AsciiToUtf16Filter>("\xff");
}

// Letters and digits left as they are, everything else escaped.
std::bitset<256> lettersAndDigits()
{
    std::bitset<256> set;
    for (int c = 0; c < 256; ++c)
        set[std::size_t(c)] = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return set;
}

struct LetterAndDigitUrlEncoder : UrlEncoder {
    LetterAndDigitUrlEncoder() : UrlEncoder(lettersAndDigits()) { }
};

TEST(Crc24, StartsFromItsInitialValueAndContinuesAcrossRuns)
{
    EXPECT_EQ(crc24("", 0), 0xB704CEu);
    EXPECT_EQ(crc24("123456789", 9), 0x21CF02u); // the usual check value of this CRC
    std::string_view text = "a\0\xff text of some length"sv;
    for (std::size_t split = 0; split <= text.size(); ++split)
        EXPECT_EQ(crc24(text.data() + split, text.size() - split, crc24(text.data(), split)),
                  crc24(text.data(), text.size()))
            << "split at " << split;
}

TEST(UrlEncoder, CopiesTheCallersBytesAndEscapesTheRestInLowercase)
{
    expectEveryWay<LetterAndDigitUrlEncoder>("a b/\xff\0Z"sv, "a%20b%2f%ff%00Z");
    expectEveryWay<LetterAndDigitUrlEncoder>("", "");
    expectEveryWay<LetterAndDigitUrlEncoder>("%", "%25");
}

TEST(UrlDecoder, TurnsEscapesBackAndCopiesEverythingElse)
{
    expectEveryWay<UrlDecoder>("a%20b%2F%ff%00Z", "a b/\xff\0Z"sv);
    expectEveryWay<UrlDecoder>("100%", "100%");
    expectEveryWay<UrlDecoder>("%4", "%4");
    expectEveryWay<UrlDecoder>("%zz%%41%4%41", "%zz%A%4A");
    expectEveryWay<UrlDecoder>("%%%", "%%%");
}

} // namespace

} // namespace guard
