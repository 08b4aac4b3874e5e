#include "pipeline/UrlEncoding.h"

#include "pipeline/HexDigits.h"

namespace guard {

void UrlEncoder::Filter(ConstRange& in, MutableRange& out)
{
    for (;;) {
        Drain(out);
        if (pending_ != 0 || in.begin == in.end || out.begin == out.end)
            return;
        auto byte = static_cast<unsigned char>(*in.begin++);
        if (unencoded_.test(byte)) {
            *out.begin++ = static_cast<char>(byte);
        } else {
            byte_ = byte;
            pending_ = 3;
        }
    }
}

void UrlEncoder::Drain(MutableRange& out)
{
    while (pending_ != 0 && out.begin != out.end) {
        *out.begin++ = pending_ == 3 ? '%' : kLowercaseHexDigits[pending_ == 2 ? byte_ >> 4 : byte_ & 15];
        --pending_;
    }
}

bool UrlDecoder::Flush(MutableRange& out)
{
    while (flushAt_ != flushEnd_ && out.begin != out.end)
        *out.begin++ = flush_[flushAt_++];
    return flushAt_ == flushEnd_;
}

void UrlDecoder::Filter(ConstRange& in, MutableRange& out)
{
    while (Flush(out) && in.begin != in.end) {
        char byte = *in.begin++;
        flushAt_ = flushEnd_ = 0;
        if (held_ == 0) {
            if (byte == '%')
                escape_[held_++] = byte;
            else
                flush_[flushEnd_++] = byte;
            continue;
        }
        if (hexDigitValue(static_cast<unsigned char>(byte)) < 0) {
            // Not an escape: what was held goes out as it came, and this byte
            // is read again (it may start an escape of its own).
            for (unsigned i = 0; i < held_; ++i)
                flush_[flushEnd_++] = escape_[i];
            held_ = 0;
            --in.begin;
            continue;
        }
        escape_[held_++] = byte;
        if (held_ == 3) {
            flush_[flushEnd_++] = static_cast<char>(hexDigitValue(static_cast<unsigned char>(escape_[1])) << 4 |
                                                    hexDigitValue(static_cast<unsigned char>(escape_[2])));
            held_ = 0;
        }
    }
}

void UrlDecoder::Drain(MutableRange& out)
{
    if (!Flush(out))
        return;
    if (held_ != 0) {
        flushAt_ = flushEnd_ = 0;
        for (unsigned i = 0; i < held_; ++i)
            flush_[flushEnd_++] = escape_[i];
        held_ = 0;
    }
    Flush(out);
}

} // namespace guard
