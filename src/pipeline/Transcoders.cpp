#include "pipeline/Transcoders.h"

namespace guard {

bool HeldOutput::Flush(MutableRange& out)
{
    while (at_ != count_ && out.begin != out.end)
        *out.begin++ = bytes_[at_++];
    return at_ == count_;
}

void HeldOutput::Hold(std::uint32_t codePoint, bool asUtf16)
{
    at_ = 0;
    auto put = [this](std::uint32_t byte) { bytes_[count_++] = static_cast<char>(byte); };
    count_ = 0;
    if (asUtf16) {
        auto unit = [&](std::uint32_t value) {
            put(value & 0xFF);
            put(value >> 8);
        };
        if (codePoint < 0x10000) {
            unit(codePoint);
        } else {
            unit(0xD800 + ((codePoint - 0x10000) >> 10));
            unit(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        }
    } else if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | codePoint >> 6);
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | codePoint >> 12);
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | codePoint >> 18);
        put(0x80 | (codePoint >> 12 & 0x3F));
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

void Utf8ToUtf16Filter::Filter(ConstRange& in, MutableRange& out)
{
    static constexpr std::uint32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    while (held_.Flush(out) && in.begin != in.end) {
        auto byte = static_cast<unsigned char>(*in.begin++);
        if (needed_ == 0) {
            if (byte < 0x80) {
                held_.Hold(byte, true);
                continue;
            }
            if (byte >= 0xC2 && byte <= 0xDF)
                length_ = 2;
            else if (byte >= 0xE0 && byte <= 0xEF)
                length_ = 3;
            else if (byte >= 0xF0 && byte <= 0xF4)
                length_ = 4;
            else
                throw InvalidTextEncoding();
            needed_ = length_ - 1;
            codePoint_ = byte & (0x7Fu >> length_);
            continue;
        }
        if ((byte & 0xC0) != 0x80)
            throw InvalidTextEncoding();
        codePoint_ = codePoint_ << 6 | (byte & 0x3Fu);
        if (--needed_ != 0)
            continue;
        if (codePoint_ < kLeast[length_] || (codePoint_ >= 0xD800 && codePoint_ <= 0xDFFF) || codePoint_ > 0x10FFFF)
            throw InvalidTextEncoding();
        held_.Hold(codePoint_, true);
    }
}

void Utf8ToUtf16Filter::Drain(MutableRange& out)
{
    if (needed_ != 0)
        throw InvalidTextEncoding();
    held_.Flush(out);
}

void Utf16ToUtf8Filter::Filter(ConstRange& in, MutableRange& out)
{
    while (held_.Flush(out) && in.begin != in.end) {
        auto byte = static_cast<unsigned char>(*in.begin++);
        if (!haveByte_) {
            lowByte_ = byte;
            haveByte_ = true;
            continue;
        }
        haveByte_ = false;
        std::uint32_t unit = lowByte_ | std::uint32_t(byte) << 8;
        bool high = unit >= 0xD800 && unit <= 0xDBFF, low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (highSurrogate_ != 0) {
            if (!low)
                throw InvalidTextEncoding();
            held_.Hold(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), false);
            highSurrogate_ = 0;
        } else if (high) {
            highSurrogate_ = unit;
        } else if (low) {
            throw InvalidTextEncoding();
        } else {
            held_.Hold(unit, false);
        }
    }
}

void Utf16ToUtf8Filter::Drain(MutableRange& out)
{
    if (haveByte_ || highSurrogate_ != 0)
        throw InvalidTextEncoding();
    held_.Flush(out);
}

void AsciiToUtf8Filter::Filter(ConstRange& in, MutableRange& out)
{
    while (in.begin != in.end && out.begin != out.end) {
        if (static_cast<unsigned char>(*in.begin) >= 0x80)
            throw InvalidTextEncoding();
        *out.begin++ = *in.begin++;
    }
}

void AsciiToUtf16Filter::Filter(ConstRange& in, MutableRange& out)
{
    while (held_.Flush(out) && in.begin != in.end) {
        auto byte = static_cast<unsigned char>(*in.begin++);
        if (byte >= 0x80)
            throw InvalidTextEncoding();
        held_.Hold(byte, true);
    }
}

} // namespace guard
