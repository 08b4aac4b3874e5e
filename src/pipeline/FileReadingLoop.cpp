#include "pipeline/FileReadingLoop.h"

#include <algorithm>
#include <memory>

#include "pipeline/FileReader.h"
#include "pipeline/LineMaker.h"
#include "platform/FileReadingPath.h"

namespace guard {

void pushFile(const FileLocation& location, DataReceiver& receiver, std::size_t bufferSize, std::uint64_t start)
{
    Platform::FileReadingPath path;
    path.Open(location);
    FileReader reader(path, start);
    std::uint64_t size = reader.Size();
    std::uint64_t remaining = start < size ? size - start : 0;
    bufferSize = std::max<std::size_t>(bufferSize, 1);
    std::unique_ptr<char[]> buffer(new char[bufferSize]);

    receiver.Start();
    while (remaining > 0) {
        if (reader.AtEnd())
            throw FileReadingLoopEndOfFileError();
        std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, bufferSize));
        MutableRange range{buffer.get(), buffer.get() + wanted};
        reader.ReadSome(range);
        if (range.begin != buffer.get())
            receiver.Receive(buffer.get(), range.begin);
        remaining -= static_cast<std::uint64_t>(range.begin - buffer.get());
    }
    receiver.Finish();
    path.Close();
}

void pushFileLines(const FileLocation& location, LineReceiver& receiver, std::size_t bufferSize, std::uint64_t start)
{
    LineMaker lines(receiver);
    pushFile(location, lines, bufferSize, start);
}

} // namespace guard
