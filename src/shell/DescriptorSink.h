#pragma once
// A DataReceiver that writes to an open file descriptor (standard output)
// through a buffer of its own. flush() writes what is buffered; Finish()
// flushes. A write that fails throws DescriptorWriteError, except that a
// closed pipe (EPIPE) is taken as the reader having seen enough: the rest
// is dropped quietly and closed() answers true.
#include <cstddef>
#include <string_view>

#include "pipeline/DataReceiver.h"
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(DescriptorWriteError, DebuggableException);

class DescriptorSink final : public DataReceiver {
public:
    static constexpr std::size_t kBufferSize = 8192;

    explicit DescriptorSink(int descriptor) : descriptor_(descriptor) { }
    ~DescriptorSink() override;

    void Start() override { }
    void Receive(const char* begin, const char* end) override;
    void Finish() override { flush(); }

    void Receive(std::string_view text) { Receive(text.data(), text.data() + text.size()); }
    void flush();
    bool closed() const { return closed_; }

private:
    void writeAll(const char* begin, const char* end);

    int descriptor_;
    char buffer_[kBufferSize];
    std::size_t used_ = 0;
    bool closed_ = false;
};

} // namespace guard
