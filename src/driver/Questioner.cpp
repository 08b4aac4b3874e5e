#include "driver/Questioner.h"

#include "driver/CommandLine.h"
#include "pipeline/IgnoreLineReceiver.h"

namespace guard {

namespace {

bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }

const char* skipBlanks(const char* at, const char* end)
{
    while (at != end && isBlank(*at))
        ++at;
    return at;
}

void writeText(LineReceiver& receiver, std::string_view text)
{
    if (!text.empty())
        receiver.Text(text.data(), text.data() + text.size());
}

} // namespace

Questioner::Questioner(LineReceiver& output, LineReceiver& asker)
    : output_(output), asker_(asker), current_(&output) { }

void Questioner::Start(std::uint64_t)
{
    current_ = &output_;
    state_ = State::LineStart;
    headerLength_ = 0;
}

void Questioner::Text(const char* at, const char* end)
{
    while (at != end) {
        switch (state_) {
        case State::LineStart:
            if (isBlank(*at)) {
                writeText(*current_, " ");
                state_ = State::LeadingBlanks;
            } else {
                beginLine();
            }
            break;
        case State::LeadingBlanks:
        case State::BlanksAfterColon:
            at = skipBlanks(at, end);
            if (at != end)
                state_ = State::PassThrough;
            break;
        case State::Header: at = readHeader(at, end); break;
        case State::PassThrough:
            current_->Text(at, end);
            at = end;
            break;
        }
    }
}

// A line that does not continue the previous one: an open question is over.
void Questioner::beginLine()
{
    if (current_ == &asker_)
        asker_.Finish(0);
    current_ = nullptr;
    headerLength_ = 0;
    state_ = State::Header;
}

const char* Questioner::readHeader(const char* at, const char* end)
{
    for (; at != end; ++at) {
        if (*at == ':') {
            classifyHeader();
            return at + 1;
        }
        if (headerLength_ == kHeaderCapacity) {
            // Too long for a header name: the line is copied as it is.
            copyHeaderText();
            return at;
        }
        header_[headerLength_++] = *at;
    }
    return at;
}

void Questioner::classifyHeader()
{
    std::string_view name = header();
    if (equalsIgnoringAsciiCase(name, "q") || equalsIgnoringAsciiCase(name, "x-relevant-when")) {
        writeText(output_, "Q: ");
        asker_.Start(0);
        current_ = &asker_;
        state_ = State::BlanksAfterColon;
    } else if (equalsIgnoringAsciiCase(name, "a") || equalsIgnoringAsciiCase(name, "e") ||
               equalsIgnoringAsciiCase(name, "t") || equalsIgnoringAsciiCase(name, "i")) {
        current_ = &IgnoreLineReceiver::Shared();
        state_ = State::PassThrough;
    } else {
        writeText(output_, name);
        writeText(output_, ":");
        current_ = &output_;
        state_ = State::BlanksAfterColon;
    }
}

void Questioner::copyHeaderText()
{
    writeText(output_, header());
    current_ = &output_;
    state_ = State::PassThrough;
}

void Questioner::LineEnd(std::uint64_t start, std::uint64_t end)
{
    if (state_ == State::Header)
        copyHeaderText();
    current_->LineEnd(start, end);
    state_ = State::LineStart;
}

void Questioner::Finish(std::uint64_t total)
{
    if (state_ == State::Header)
        copyHeaderText();
    if (current_ == &asker_)
        asker_.Finish(0);
    else if (current_ == &output_ && state_ != State::LineStart)
        output_.LineEnd(total, total); // every output line ends, the file's last one too
    current_ = &output_;
    state_ = State::LineStart;
}

} // namespace guard
