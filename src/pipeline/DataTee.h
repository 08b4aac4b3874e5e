#pragma once
// A receiver that hands every call to N downstream receivers, in the order
// they were given. When one throws, the receivers after it do not get that
// call.
#include <array>
#include <cstddef>

#include "pipeline/DataReceiver.h"

namespace guard {

template <std::size_t N>
class DataTee final : public DataReceiver {
public:
    template <class... Receivers>
    requires(sizeof...(Receivers) == N) explicit DataTee(Receivers&... receivers) : targets_{&receivers...} { }

    void Start() override
    {
        for (DataReceiver* target : targets_)
            target->Start();
    }
    void Receive(const char* begin, const char* end) override
    {
        for (DataReceiver* target : targets_)
            target->Receive(begin, end);
    }
    void Finish() override
    {
        for (DataReceiver* target : targets_)
            target->Finish();
    }

private:
    std::array<DataReceiver*, N> targets_;
};

using DataTee2 = DataTee<2>;

} // namespace guard
