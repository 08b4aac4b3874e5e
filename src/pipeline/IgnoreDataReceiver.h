#pragma once
// A receiver that drops everything it is given.
#include "pipeline/DataReceiver.h"

namespace guard {

class IgnoreDataReceiver final : public DataReceiver {
public:
    void Start() override { }
    void Receive(const char*, const char*) override { }
    void Finish() override { }
};

} // namespace guard
