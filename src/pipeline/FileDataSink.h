#pragma once
// The last stage of a pipeline that ends in a file. The writing path must
// already be open (the sink never opens or closes it). Start() points the
// sink's FileWriter at the file and the start position; Receive() collects
// the bytes and writes them there in blocks of up to kBufferSize bytes;
// Finish() writes what is left and flushes the file to the disk. A sink
// destroyed without Finish() (a run ended by a failure) still writes what
// it holds, ignoring errors, so that nothing produced before the failure is
// lost. Position() counts every byte received, written or not.
#include <cstdint>
#include <memory>

#include "pipeline/DataReceiver.h"
#include "pipeline/FileWriter.h"
#include "platform/FileWritingPath.h"

namespace guard {

class FileDataSink final : public DataReceiver {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    explicit FileDataSink(Platform::FileWritingPath& path, std::uint64_t start = 0)
        : path_(path), start_(start), buffer_(new char[kBufferSize])
    {
    }

    ~FileDataSink() override;

    void Start() override;
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

    // Where the next byte goes.
    std::uint64_t Position() const noexcept { return writer_.Position() + used_; }

private:
    void writeBuffer();

    Platform::FileWritingPath& path_;
    std::uint64_t start_;
    FileWriter writer_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

} // namespace guard
