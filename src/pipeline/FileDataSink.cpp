#include "pipeline/FileDataSink.h"

#include <cstring>

namespace guard {

FileDataSink::~FileDataSink()
{
    try {
        writeBuffer();
    } catch (...) {
    }
}

void FileDataSink::Start()
{
    writer_.Attach(path_, start_);
    used_ = 0;
}

void FileDataSink::Receive(const char* begin, const char* end)
{
    std::size_t count = std::size_t(end - begin);
    if (used_ + count > kBufferSize) {
        writeBuffer();
        if (count >= kBufferSize) {
            writer_.Write(begin, end);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, begin, count);
    used_ += count;
}

void FileDataSink::Finish()
{
    writeBuffer();
    path_.Flush();
}

void FileDataSink::writeBuffer()
{
    if (used_) {
        // Forget the bytes first: a failed write is not repeated.
        std::size_t count = used_;
        used_ = 0;
        writer_.Write(buffer_.get(), buffer_.get() + count);
    }
}

} // namespace guard
