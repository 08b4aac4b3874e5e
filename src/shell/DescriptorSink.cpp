#include "shell/DescriptorSink.h"

#include <errno.h>
#include <unistd.h>

#include <cstring>

namespace guard {

DescriptorSink::~DescriptorSink()
{
    try {
        flush();
    } catch (...) {
    }
}

void DescriptorSink::Receive(const char* begin, const char* end)
{
    std::size_t size = std::size_t(end - begin);
    if (size > kBufferSize - used_) {
        flush();
        if (size >= kBufferSize) {
            writeAll(begin, end);
            return;
        }
    }
    if (size != 0)
        std::memcpy(buffer_ + used_, begin, size);
    used_ += size;
}

void DescriptorSink::flush()
{
    std::size_t used = used_;
    used_ = 0;
    writeAll(buffer_, buffer_ + used);
}

void DescriptorSink::writeAll(const char* begin, const char* end)
{
    while (begin != end && !closed_) {
        ssize_t written = ::write(descriptor_, begin, std::size_t(end - begin));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EPIPE) {
                closed_ = true;
                return;
            }
            throw DescriptorWriteError();
        }
        begin += written;
    }
}

} // namespace guard
