#include "pipeline/DataFilterer.h"

namespace guard {

void DataFilterer::Receive(const char* begin, const char* end)
{
    ConstRange in{begin, end};
    while (in.begin != in.end) {
        char buffer[kChunkSize];
        MutableRange out{buffer, buffer + kChunkSize};
        const char* consumedUpTo = in.begin;
        filter_.Filter(in, out);
        if (out.begin != buffer)
            downstream_.Receive(buffer, out.begin);
        else if (in.begin == consumedUpTo)
            throw DataFilterStalled();
    }
}

void DataFilterer::Finish()
{
    while (!filter_.IsDrained()) {
        char buffer[kChunkSize];
        MutableRange out{buffer, buffer + kChunkSize};
        filter_.Drain(out);
        if (out.begin == buffer)
            throw DataFilterStalled();
        downstream_.Receive(buffer, out.begin);
    }
    downstream_.Finish();
}

} // namespace guard
