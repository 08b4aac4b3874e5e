#pragma once
// A receiver that appends a stream to a byte vector. Start() does not clear
// the vector; Finish() detaches from it, and receiving after that throws
// StageNotAttached until Attach() names a vector again.
#include <vector>

#include "pipeline/DataReceiver.h"
#include "pipeline/StageNotAttached.h"

namespace guard {

class VectorAppender final : public DataReceiver {
public:
    VectorAppender() = default;
    explicit VectorAppender(std::vector<char>& target) : target_(&target) { }

    void Attach(std::vector<char>& target) noexcept { target_ = &target; }

    void Start() override { }
    void Receive(const char* begin, const char* end) override
    {
        if (!target_)
            throw StageNotAttached();
        target_->insert(target_->end(), begin, end);
    }
    void Finish() override { target_ = nullptr; }

private:
    std::vector<char>* target_ = nullptr;
};

} // namespace guard
