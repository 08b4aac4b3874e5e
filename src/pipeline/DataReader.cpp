#include "pipeline/DataReader.h"

namespace guard {

void DataReader::ReadExactly(char* begin, char* end)
{
    MutableRange range{begin, end};
    while (range.begin != range.end && HasMore()) {
        char* before = range.begin;
        ReadSome(range);
        if (range.begin == before)
            break; // a reader that makes no progress cannot fill the range
    }
    if (range.begin != range.end)
        throw NoMoreData();
}

} // namespace guard
