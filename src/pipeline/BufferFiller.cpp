#include "pipeline/BufferFiller.h"

#include "pipeline/DataOverflow.h"

namespace guard {

void BufferFiller::Receive(const char* begin, const char* end)
{
    if (!filter_ || !end_)
        throw NullBufferFiller();
    ConstRange in{begin, end};
    while (in.begin != in.end) {
        MutableRange out{cursor_, end_};
        const char* consumedUpTo = in.begin;
        filter_->Filter(in, out);
        bool produced = out.begin != cursor_;
        cursor_ = out.begin;
        if (!produced && in.begin == consumedUpTo)
            throw DataOverflow();
    }
}

void BufferFiller::Finish()
{
    filter_ = nullptr;
    end_ = nullptr;
}

} // namespace guard
