#include "pipeline/Base64.h"

#include <array>

namespace guard {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The 6-bit value of each byte of the alphabet, -1 for every other byte.
constexpr std::array<signed char, 256> kValues = [] {
    std::array<signed char, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i)
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    return values;
}();

} // namespace

bool Base64Encoder::WriteSextets(MutableRange& out)
{
    while (bits_ >= 6) {
        if (out.begin == out.end)
            return false;
        bits_ -= 6;
        *out.begin++ = kAlphabet[(accumulator_ >> bits_) & 63];
        accumulator_ &= (1u << bits_) - 1;
    }
    return true;
}

void Base64Encoder::Filter(ConstRange& in, MutableRange& out)
{
    while (WriteSextets(out) && in.begin != in.end) {
        accumulator_ = accumulator_ << 8 | static_cast<unsigned char>(*in.begin++);
        bits_ += 8;
    }
}

void Base64Encoder::Drain(MutableRange& out)
{
    if (!WriteSextets(out))
        return;
    if (bits_ != 0) {
        if (out.begin == out.end)
            return;
        // 2 bits left: one character and "=="; 4 bits: one character and "=".
        padding_ = bits_ == 2 ? 2 : 1;
        *out.begin++ = kAlphabet[(accumulator_ << (6 - bits_)) & 63];
        accumulator_ = 0;
        bits_ = 0;
    }
    while (padding_ != 0 && out.begin != out.end) {
        *out.begin++ = '=';
        --padding_;
    }
}

void Base64Decoder::Filter(ConstRange& in, MutableRange& out)
{
    for (;;) {
        if (bits_ >= 8) {
            if (out.begin == out.end)
                return;
            bits_ -= 8;
            *out.begin++ = static_cast<char>(accumulator_ >> bits_);
            accumulator_ &= (1u << bits_) - 1;
        }
        if (in.begin == in.end)
            return;
        signed char value = kValues[static_cast<unsigned char>(*in.begin++)];
        if (value < 0)
            continue;
        accumulator_ = accumulator_ << 6 | static_cast<std::uint32_t>(value);
        bits_ += 6;
    }
}

void Base64Decoder::Drain(MutableRange& out)
{
    ConstRange nothing{nullptr, nullptr};
    Filter(nothing, out);
}

} // namespace guard
