#include "pipeline/HexEncoder.h"

#include "pipeline/HexDigits.h"

namespace guard {

void HexEncoder::Filter(ConstRange& in, MutableRange& out)
{
    Drain(out);
    while (!holding_ && in.begin != in.end && out.begin != out.end) {
        auto byte = static_cast<unsigned char>(*in.begin++);
        *out.begin++ = kLowercaseHexDigits[byte >> 4];
        held_ = kLowercaseHexDigits[byte & 15];
        holding_ = true;
        Drain(out);
    }
}

void HexEncoder::Drain(MutableRange& out)
{
    if (holding_ && out.begin != out.end) {
        *out.begin++ = held_;
        holding_ = false;
    }
}

} // namespace guard
