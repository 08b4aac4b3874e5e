#include "guard/lexer/GuardStringLexeme.h"

#include "pipeline/HexDigits.h"

#include <cstring>

namespace guard {

namespace {

constexpr char kQuote = '"';

} // namespace

void GuardStringLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    if (state_ == State::Closed)
        return;
    const char* from = cursor.next;
    auto offsetOf = [&](const char* at) { return position + TextOffset(at - from); };
    if (start == position) {
        const char* text = ++cursor.next; // past the opening quote
        const char* quote = static_cast<const char*>(std::memchr(text, kQuote, std::size_t(cursor.end - text)));
        if (quote && !std::memchr(text, '%', std::size_t(quote - text))) {
            cursor.next = quote + 1;
            state_ = State::Closed;
            report(start, offsetOf(cursor.next), text, std::uint32_t(quote - text));
            return;
        }
    }
    for (; !cursor.atEnd(); ++cursor.next) {
        unsigned char byte = static_cast<unsigned char>(*cursor.next);
        switch (state_) {
        case State::Text:
            if (byte == kQuote) {
                ++cursor.next;
                state_ = State::Closed;
                report(start, offsetOf(cursor.next), buffer_, count_);
                return;
            }
            if (byte == '%') {
                state_ = State::EscapeHigh;
                continue;
            }
            break;
        case State::EscapeHigh:
        case State::EscapeLow: {
            int value = hexDigitValue(byte);
            if (value < 0) {
                acceptor_.RejectBadEscape(start, offsetOf(cursor.next));
                return;
            }
            if (state_ == State::EscapeHigh) {
                high_ = std::uint8_t(value);
                state_ = State::EscapeLow;
                continue;
            }
            byte = static_cast<unsigned char>(high_ * 16 + value);
            state_ = State::Text;
            break;
        }
        case State::Closed: return;
        }
        if (count_ < kBufferSize)
            buffer_[count_] = static_cast<char>(byte);
        if (count_ <= kBufferSize)
            ++count_;
    }
}

void GuardStringLexeme::End(TextOffset start, TextOffset position)
{
    if (state_ != State::Closed)
        acceptor_.RejectUnfinishedString(start, position);
}

void GuardStringLexeme::report(TextOffset start, TextOffset end, const char* bytes, std::uint32_t count)
{
    if (count > kBufferSize)
        acceptor_.RejectLongString(start, end);
    else
        acceptor_.AcceptString(start, end, bytes, bytes + count);
}

} // namespace guard
