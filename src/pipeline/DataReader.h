#pragma once
// Pull side of the pipeline: a source of bytes read on demand.
#include "platform/DebuggableException.h"

namespace guard {

// ReadExactly could not fill its range before the reader reached its end.
GUARD_EXCEPTION(NoMoreData, DebuggableException);

// A writable byte range whose begin advances as it is filled.
struct MutableRange {
    char* begin;
    char* end;
};

class DataReader {
public:
    virtual ~DataReader() = default;
    virtual bool AtEnd() = 0;
    bool HasMore() { return !AtEnd(); }
    // Fills the whole range; the base calls ReadSome until it is full and
    // throws NoMoreData when the reader ends (or a ReadSome reads nothing)
    // first.
    virtual void ReadExactly(char* begin, char* end);
    // Reads what is available into `range` and advances range.begin past it.
    virtual void ReadSome(MutableRange& range) = 0;
};

} // namespace guard
