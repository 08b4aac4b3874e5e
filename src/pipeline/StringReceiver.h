#pragma once
// A receiver that collects a stream into a byte string: Start() empties the
// string, Receive() appends to it, Finish() leaves it as it is.
#include <string>

#include "pipeline/DataReceiver.h"

namespace guard {

class StringReceiver final : public DataReceiver {
public:
    explicit StringReceiver(std::string& target) : target_(target) { }

    void Start() override { target_.clear(); }
    void Receive(const char* begin, const char* end) override { target_.append(begin, end); }
    void Finish() override { }

private:
    std::string& target_;
};

} // namespace guard
