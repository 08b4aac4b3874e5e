#pragma once
// Text that grows at its end, in one buffer of its own, for an aggregate
// that gathers its operands' text (each operand lasts only until its source
// advances, so the bytes must be copied once).
//
// Appending costs amortised constant time per byte: the room at least
// doubles when it runs out, and it grows through realloc, which moves a
// large buffer's pages rather than copy its bytes, so a text of n bytes is
// written about once however many pieces it is made of. The buffer of the
// text last destroyed on this thread is kept (up to kKeptCapacity bytes)
// and taken by the next text that needs room: an aggregate that starts
// again for every value of a loop allocates nothing in steady state.
#include <cstddef>
#include <string_view>

namespace guard {

class GrowingText {
public:
    static constexpr std::size_t kKeptCapacity = 64 * 1024;

    GrowingText() = default;
    GrowingText(const GrowingText&) = delete;
    GrowingText& operator=(const GrowingText&) = delete;
    ~GrowingText();

    // Throws std::bad_alloc when no room can be had; the text is then
    // unchanged.
    void append(std::string_view text);

    // Never a null pointer, even before the first byte.
    std::string_view view() const { return bytes_ ? std::string_view(bytes_, size_) : std::string_view("", 0); }
    std::size_t size() const { return size_; }

private:
    void grow(std::size_t needed);

    char* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace guard
