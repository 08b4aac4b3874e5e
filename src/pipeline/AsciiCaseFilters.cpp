#include "pipeline/AsciiCaseFilters.h"

namespace guard::Ascii {

namespace {

template <char kFrom, char kTo>
void shiftLetters(ConstRange& in, MutableRange& out)
{
    while (in.begin != in.end && out.begin != out.end) {
        char byte = *in.begin++;
        *out.begin++ = byte >= kFrom && byte <= char(kFrom + 25) ? char(byte - kFrom + kTo) : byte;
    }
}

} // namespace

void CaseRaisingFilter::Filter(ConstRange& in, MutableRange& out) { shiftLetters<'a', 'A'>(in, out); }
void CaseLoweringFilter::Filter(ConstRange& in, MutableRange& out) { shiftLetters<'A', 'a'>(in, out); }

} // namespace guard::Ascii
