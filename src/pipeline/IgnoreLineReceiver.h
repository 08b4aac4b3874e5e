#pragma once
// A line receiver that drops everything. Shared() is the one process-wide
// instance that every stage needing a sink for unwanted lines uses.
#include "pipeline/LineReceiver.h"

namespace guard {

class IgnoreLineReceiver final : public LineReceiver {
public:
    static IgnoreLineReceiver& Shared();

    void Start(std::uint64_t) override { }
    void Text(const char*, const char*) override { }
    void LineEnd(std::uint64_t, std::uint64_t) override { }
    void Finish(std::uint64_t) override { }
};

} // namespace guard
