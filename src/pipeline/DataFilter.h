#pragma once
// A byte transformer driven by DataFilterer and BufferFiller.
//
// Filter() moves as much of `in` as fits into `out`, advancing in.begin past
// what it consumed and out.begin past what it produced. A filter that holds
// output back reports it through IsDrained()/Drain(). The base copies bytes
// unchanged and never holds anything.
#include "pipeline/DataReader.h"

namespace guard {

struct ConstRange {
    const char* begin;
    const char* end;
};

class DataFilter {
public:
    virtual ~DataFilter() = default;
    virtual void Filter(ConstRange& in, MutableRange& out);
    virtual bool IsDrained() { return true; }
    virtual void Drain(MutableRange&) { }
};

} // namespace guard
