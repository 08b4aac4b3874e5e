#include "pipeline/FileReader.h"

namespace guard {

void FileReader::ReadSome(MutableRange& range)
{
    if (range.begin == range.end)
        return;
    std::size_t count = path_.ReadAt(position_, range.begin, range.end);
    if (count == 0 && size_ > position_)
        size_ = position_;
    position_ += count;
    range.begin += count;
}

void FileReader::ReadExactly(char* begin, char* end)
{
    path_.ReadExactlyAt(position_, begin, end);
    position_ += static_cast<std::uint64_t>(end - begin);
}

} // namespace guard
