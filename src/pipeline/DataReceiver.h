#pragma once

namespace guard {
// Byte-stream stages of the push pipeline.
//
// A DataWriter takes byte ranges. A DataReceiver is a stage: Start() once,
// Receive() any number of times, Finish() once; it may be started again after
// Finish() to carry a further stream. Ranges are (begin, end) pointer pairs,
// end exclusive, possibly empty; bytes need no terminator.
class DataWriter {
public:
    virtual void Write(const char* begin, const char* end) = 0;

protected:
    ~DataWriter() = default;
};

class DataReceiver : public DataWriter {
public:
    // Hands the bytes to Receive(), so any receiver serves as a writer.
    void Write(const char* begin, const char* end) final { Receive(begin, end); }
    virtual ~DataReceiver() = default;
    virtual void Start() = 0;
    virtual void Receive(const char* begin, const char* end) = 0;
    virtual void Finish() = 0;
};

} // namespace guard
