#pragma once
// A reader over an open file, from a start offset on. The file's size is
// taken once, at construction; AtEnd() is position >= that size. When a read
// finds the file ended earlier (it shrank), the size is lowered to the
// position, so AtEnd() becomes true. ReadExactly() fills the whole range or
// throws EndOfFileError. File failures raise the file errors of reading.
#include <cstdint>

#include "pipeline/DataReader.h"
#include "platform/FileReadingPath.h"

namespace guard {

class FileReader final : public DataReader {
public:
    explicit FileReader(const Platform::FileReadingPath& path, std::uint64_t start = 0)
        : path_(path), position_(start), size_(path.Size())
    {
    }

    bool AtEnd() override { return position_ >= size_; }
    void ReadSome(MutableRange& range) override;
    void ReadExactly(char* begin, char* end) override;

    std::uint64_t Position() const noexcept { return position_; }
    std::uint64_t Size() const noexcept { return size_; }

private:
    const Platform::FileReadingPath& path_;
    std::uint64_t position_;
    std::uint64_t size_;
};

} // namespace guard
