#pragma once
// The last stage of a pipeline that ends in a file. The writing path must
// already be open (the sink never opens or closes it). Start() points the
// sink's FileWriter at the file and the start position; Receive() writes the
// bytes there and moves on; Finish() flushes the file to the disk.
#include <cstdint>

#include "pipeline/DataReceiver.h"
#include "pipeline/FileWriter.h"
#include "platform/FileWritingPath.h"

class FileDataSink final : public DataReceiver {
public:
    explicit FileDataSink(Platform::FileWritingPath& path, std::uint64_t start = 0)
        : path_(path), start_(start)
    {
    }

    void Start() override { writer_.Attach(path_, start_); }
    void Receive(const char* begin, const char* end) override { writer_.Write(begin, end); }
    void Finish() override { path_.Flush(); }

    // Where the next byte goes.
    std::uint64_t Position() const noexcept { return writer_.Position(); }

private:
    Platform::FileWritingPath& path_;
    std::uint64_t start_;
    FileWriter writer_;
};
