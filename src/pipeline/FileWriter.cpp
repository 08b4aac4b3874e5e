#include "pipeline/FileWriter.h"

#include "pipeline/StageNotAttached.h"

namespace guard {

void FileWriter::Write(const char* begin, const char* end)
{
    if (!path_)
        throw StageNotAttached();
    path_->WriteAt(position_, begin, end);
    position_ += static_cast<std::uint64_t>(end - begin);
}

} // namespace guard
