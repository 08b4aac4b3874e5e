#include "driver/CopyLinesMode.h"

#include "pipeline/FileDataSink.h"
#include "pipeline/FileReadingLoop.h"
#include "pipeline/LineFlattener.h"
#include "platform/FileWritingPath.h"

namespace {

constexpr std::size_t kReadBufferSize = 1024;

} // namespace

bool runCopyLinesMode(const FileLocation& source, const FileLocation& destination)
{
    try {
        Platform::FileWritingPath output;
        output.Create(destination);
        FileDataSink sink(output);
        LineFlattener flattener(sink, "\r\n");
        pushFileLines(source, flattener, kReadBufferSize);
        output.Close();
        return true;
    } catch (...) {
        return false;
    }
}
