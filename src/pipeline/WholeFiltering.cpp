#include "pipeline/WholeFiltering.h"

#include "pipeline/DataFilterer.h"
#include "pipeline/DataOverflow.h"

namespace guard {

namespace {

[[noreturn]] void stuck(const MutableRange& room)
{
    if (room.begin == room.end)
        throw DataOverflow();
    throw DataFilterStalled();
}

} // namespace

std::size_t filterWhole(DataFilter& filter, const char* begin, const char* end, char* out, char* outEnd)
{
    ConstRange in{begin, end};
    MutableRange room{out, outEnd};
    while (in.begin != in.end) {
        const char* before = in.begin;
        char* written = room.begin;
        filter.Filter(in, room);
        if (in.begin == before && room.begin == written)
            stuck(room);
    }
    while (!filter.IsDrained()) {
        char* written = room.begin;
        filter.Drain(room);
        if (room.begin == written)
            stuck(room);
    }
    return std::size_t(room.begin - out);
}

} // namespace guard
