#include "crypto/MimeReader.h"

#include <algorithm>

namespace guard {

namespace {

// RFC 2046 limits a boundary to 70 bytes; a little more is tolerated, and
// blanks may follow a boundary line.
constexpr std::size_t kMaximumBoundary = 200;
constexpr std::size_t kBodyLineKept = kMaximumBoundary + 64;

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = foldAscii(c);
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads the structured value of a Content-Type field: tokens, "/", ";",
// "=", quoted strings and comments in parentheses.
class StructuredValue {
public:
    explicit StructuredValue(std::string_view text) : text_(text) { }

    bool atEnd()
    {
        skipSpaceAndComments();
        return at_ >= text_.size();
    }
    bool skip(char c)
    {
        skipSpaceAndComments();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    // A token, or a quoted string's content.
    std::string word()
    {
        skipSpaceAndComments();
        std::string result;
        if (at_ < text_.size() && text_[at_] == '"') {
            for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
                if (text_[at_] == '\\' && at_ + 1 < text_.size())
                    ++at_;
                result += text_[at_];
            }
            if (at_ < text_.size())
                ++at_;
            return result;
        }
        while (at_ < text_.size() && isTokenByte(text_[at_]))
            result += text_[at_++];
        return result;
    }
    // Skips to just after the next ";" (or to the end).
    void skipPastSemicolon()
    {
        while (at_ < text_.size() && text_[at_] != ';')
            ++at_;
        if (at_ < text_.size())
            ++at_;
    }

private:
    static bool isTokenByte(char c)
    {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 127)
            return false;
        return std::string_view("()<>@,;:\\\"/[]?=").find(c) == std::string_view::npos;
    }
    void skipSpaceAndComments()
    {
        for (;;) {
            while (at_ < text_.size() && (isBlank(text_[at_]) || text_[at_] == '\r' || text_[at_] == '\n'))
                ++at_;
            if (at_ >= text_.size() || text_[at_] != '(')
                return;
            int level = 0;
            do {
                if (text_[at_] == '\\' && at_ + 1 < text_.size())
                    ++at_;
                else if (text_[at_] == '(')
                    ++level;
                else if (text_[at_] == ')')
                    --level;
                ++at_;
            } while (level > 0 && at_ < text_.size());
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::string_view MimeContentType::parameter(std::string_view name) const
{
    for (const MimeHeaderField& parameter : parameters)
        if (equalIgnoringCase(parameter.name, name))
            return parameter.value;
    return {};
}

bool MimeContentType::is(std::string_view mediaType) const
{
    std::size_t slash = mediaType.find('/');
    return slash != std::string_view::npos && equalIgnoringCase(type, mediaType.substr(0, slash)) &&
        equalIgnoringCase(subtype, mediaType.substr(slash + 1));
}

MimeContentType parseContentType(std::string_view value)
{
    MimeContentType result;
    StructuredValue reader(value);
    result.type = lowered(reader.word());
    if (reader.skip('/'))
        result.subtype = lowered(reader.word());
    while (!reader.atEnd()) {
        if (!reader.skip(';')) {
            reader.skipPastSemicolon(); // stray text: ignored up to the next parameter
            continue;
        }
        std::string name = lowered(reader.word());
        if (name.empty() || !reader.skip('=')) {
            reader.skipPastSemicolon();
            continue;
        }
        result.parameters.push_back({std::move(name), reader.word()});
    }
    if (result.type.empty() || result.subtype.empty()) {
        // An unreadable type is taken as the default, as RFC 2045 says.
        result.type = "text";
        result.subtype = "plain";
    }
    return result;
}

MimeReader::MimeReader(MimeEntityHandler& handler) : handler_(handler), lines_(*this), lineMaker_(lines_) { }

void MimeReader::Start()
{
    state_ = State::Headers;
    line_.clear();
    lineCut_ = false;
    headerBytes_ = 0;
    headers_.clear();
    open_.clear();
    partIndex_ = 0;
    lineMaker_.Start();
}

void MimeReader::Receive(const char* begin, const char* end) { lineMaker_.Receive(begin, end); }

void MimeReader::Finish() { lineMaker_.Finish(); }

void MimeReader::text(const char* begin, const char* end)
{
    auto size = static_cast<std::size_t>(end - begin);
    if (state_ == State::Headers) {
        headerBytes_ += size;
        if (headerBytes_ > kMaximumHeaderBlock)
            throw MalformedMimeMessage("a header block is longer than " + std::to_string(kMaximumHeaderBlock) +
                                       " bytes");
        line_.append(begin, end);
        return;
    }
    std::size_t room = kBodyLineKept - std::min(kBodyLineKept, line_.size());
    if (size > room)
        lineCut_ = true;
    line_.append(begin, std::min(size, room));
}

void MimeReader::lineEnd()
{
    if (state_ == State::Headers)
        headerLine();
    else
        bodyLine();
    line_.clear();
    lineCut_ = false;
}

void MimeReader::finish()
{
    if (!line_.empty() || lineCut_)
        lineEnd();
    if (state_ == State::Headers)
        endOfHeaders();
    if (!open_.empty())
        throw MalformedMimeMessage("the input ends inside a multipart entity (no closing boundary \"--" +
                                   open_.back().boundary + "--\")");
}

void MimeReader::headerLine()
{
    if (line_.empty()) {
        endOfHeaders();
        return;
    }
    if (isBlank(line_.front())) {
        // A folded line continues the field above it.
        if (headers_.empty())
            throw MalformedMimeMessage("a header block starts with a continuation line");
        headers_.back().value += line_;
        return;
    }
    std::size_t colon = line_.find(':');
    if (colon == std::string::npos)
        throw MalformedMimeMessage("a header line has no colon: \"" + line_.substr(0, 60) + "\"");
    std::string_view name = trimmed(std::string_view(line_).substr(0, colon));
    if (name.empty())
        throw MalformedMimeMessage("a header line has no field name");
    headers_.push_back({std::string(name), line_.substr(colon + 1)});
}

void MimeReader::endOfHeaders()
{
    MimeContentType contentType;
    contentType.type = "text";
    contentType.subtype = "plain";
    for (MimeHeaderField& field : headers_) {
        field.value = std::string(trimmed(field.value));
        if (equalIgnoringCase(field.name, "content-type"))
            contentType = parseContentType(field.value);
    }
    handler_.entity(MimeEntity{open_.size(), partIndex_, headers_, contentType});
    state_ = State::Body;
    headerBytes_ = 0;
    headers_.clear();
    if (!contentType.isMultipart())
        return;
    std::string_view boundary = contentType.parameter("boundary");
    if (boundary.empty())
        throw MalformedMimeMessage("a multipart entity (" + contentType.mediaType() + ") has no boundary");
    if (boundary.size() > kMaximumBoundary)
        throw MalformedMimeMessage("a multipart boundary is longer than " + std::to_string(kMaximumBoundary) +
                                   " bytes");
    if (open_.size() >= kMaximumDepth)
        throw MalformedMimeMessage("multipart entities are nested deeper than " + std::to_string(kMaximumDepth));
    open_.push_back({std::string(boundary), 0});
}

void MimeReader::bodyLine()
{
    if (lineCut_ || line_.size() < 3 || line_[0] != '-' || line_[1] != '-')
        return;
    std::string_view rest = std::string_view(line_).substr(2);
    // The innermost open multipart whose boundary this is; an outer one's
    // boundary also closes the parts inside it.
    for (std::size_t level = open_.size(); level-- > 0;) {
        const std::string& boundary = open_[level].boundary;
        if (rest.substr(0, boundary.size()) != boundary)
            continue;
        std::string_view after = rest.substr(boundary.size());
        bool closing = after.substr(0, 2) == "--";
        if (closing)
            after.remove_prefix(2);
        if (!trimmed(after).empty())
            continue;
        open_.resize(level + 1);
        if (closing) {
            open_.pop_back(); // what follows is the epilogue
            return;
        }
        startEntity(open_.back().parts++);
        return;
    }
}

void MimeReader::startEntity(std::size_t partIndex)
{
    state_ = State::Headers;
    partIndex_ = partIndex;
    headers_.clear();
    headerBytes_ = 0;
}

} // namespace guard
