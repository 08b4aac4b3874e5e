#pragma once
// A writer onto the open file of a writing path: each Write() puts the bytes
// at the current position and advances it. File failures raise the file
// errors of writing; writing while not attached throws StageNotAttached.
#include <cstdint>

#include "pipeline/DataReceiver.h"
#include "platform/FileWritingPath.h"

namespace guard {

class FileWriter final : public DataWriter {
public:
    void Attach(Platform::FileWritingPath& path, std::uint64_t position) noexcept
    {
        path_ = &path;
        position_ = position;
    }

    void Write(const char* begin, const char* end) override;
    std::uint64_t Position() const noexcept { return position_; }

private:
    Platform::FileWritingPath* path_ = nullptr;
    std::uint64_t position_ = 0;
};

} // namespace guard
