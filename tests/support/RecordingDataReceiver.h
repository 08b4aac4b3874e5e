#pragma once
// A DataReceiver that writes down what it gets: each call as one letter in
// `calls` (S for Start, R for Receive, F for Finish), every byte received in
// `bytes` and the size of each piece in `pieces`. `onFirstReceive`, when
// set, runs once, inside the first Receive (after its bytes are written
// down).
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "pipeline/DataReceiver.h"

namespace guard {

class RecordingDataReceiver final : public DataReceiver {
public:
    void Start() override { calls += 'S'; }
    void Receive(const char* begin, const char* end) override
    {
        calls += 'R';
        pieces.push_back(static_cast<std::size_t>(end - begin));
        bytes.append(begin, end);
        if (onFirstReceive) {
            auto action = std::move(onFirstReceive);
            onFirstReceive = nullptr;
            action();
        }
    }
    void Finish() override { calls += 'F'; }

    // How many times the call of letter `call` came.
    std::size_t count(char call) const
    {
        return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), call));
    }

    std::string calls;
    std::string bytes;
    std::vector<std::size_t> pieces;
    std::function<void()> onFirstReceive;
};

} // namespace guard
