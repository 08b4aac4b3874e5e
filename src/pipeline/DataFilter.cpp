#include "pipeline/DataFilter.h"

#include <algorithm>
#include <cstring>

namespace guard {

void DataFilter::Filter(ConstRange& in, MutableRange& out)
{
    std::size_t count = static_cast<std::size_t>(std::min(in.end - in.begin, out.end - out.begin));
    if (count != 0)
        std::memcpy(out.begin, in.begin, count);
    in.begin += count;
    out.begin += count;
}

} // namespace guard
