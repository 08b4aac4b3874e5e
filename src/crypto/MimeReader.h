#pragma once
// A small streaming reader of MIME messages on the data pipeline.
//
// Bytes go in through the DataReceiver interface; lines may end in CR LF,
// LF or CR. For every entity (the message itself, and each part of a
// multipart entity, nested to any depth) the handler gets the entity's
// header fields, unfolded and trimmed, and its parsed content type, as soon
// as the header block ends. Bodies are not kept: only the lines that could be
// a boundary of an open multipart entity are looked at. Preambles and
// epilogues are skipped.
//
// Malformed input throws MalformedMimeMessage with the reason: a header line
// without a colon, a continuation line with nothing to continue, a header
// block longer than kMaximumHeaderBlock, a multipart entity without a
// boundary parameter, nesting deeper than kMaximumDepth, or input ending
// inside an open multipart entity.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineMaker.h"
#include "pipeline/LineReceiver.h"
#include "platform/DebuggableException.h"

namespace guard {

class MalformedMimeMessage : public TextException {
public:
    using TextException::TextException;
};

struct MimeHeaderField {
    std::string name;
    std::string value;
};

// "type/subtype; name=value; ...": type and subtype in lower case,
// parameter names in lower case, parameter values as written (quotes and
// escapes removed). No Content-Type field reads as "text/plain".
struct MimeContentType {
    std::string type;
    std::string subtype;
    std::vector<MimeHeaderField> parameters;

    bool isMultipart() const { return type == "multipart"; }
    // The parameter's value; empty when missing.
    std::string_view parameter(std::string_view name) const;
    // Compares "type/subtype" with `mediaType` ignoring ASCII case.
    bool is(std::string_view mediaType) const;
    std::string mediaType() const { return type + "/" + subtype; }
};

MimeContentType parseContentType(std::string_view value);

// One entity whose header block has been read.
struct MimeEntity {
    // 0 for the message, 1 for its parts, and so on.
    std::size_t depth = 0;
    // The entity's index among its parent's parts (0 for the message).
    std::size_t partIndex = 0;
    const std::vector<MimeHeaderField>& headers;
    const MimeContentType& contentType;
};

class MimeEntityHandler {
public:
    virtual void entity(const MimeEntity& entity) = 0;

protected:
    ~MimeEntityHandler() = default;
};

class MimeReader final : public DataReceiver {
public:
    static constexpr std::size_t kMaximumHeaderBlock = 64 * 1024;
    static constexpr std::size_t kMaximumDepth = 16;

    explicit MimeReader(MimeEntityHandler& handler);

    void Start() override;
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

private:
    class Lines final : public LineReceiver {
    public:
        explicit Lines(MimeReader& reader) : reader_(reader) { }
        void Start(std::uint64_t) override { }
        void Text(const char* begin, const char* end) override { reader_.text(begin, end); }
        void LineEnd(std::uint64_t, std::uint64_t) override { reader_.lineEnd(); }
        void Finish(std::uint64_t) override { reader_.finish(); }

    private:
        MimeReader& reader_;
    };

    enum class State { Headers, Body };

    struct OpenMultipart {
        std::string boundary;
        std::size_t parts = 0;
    };

    void text(const char* begin, const char* end);
    void lineEnd();
    void finish();
    void headerLine();
    void endOfHeaders();
    void bodyLine();
    void startEntity(std::size_t partIndex);

    MimeEntityHandler& handler_;
    Lines lines_;
    LineMaker lineMaker_;
    State state_ = State::Headers;
    // The current line: all of it in the header block, in a body only as
    // much as a boundary line can be long.
    std::string line_;
    bool lineCut_ = false;
    std::size_t headerBytes_ = 0;
    std::size_t partIndex_ = 0;
    std::vector<MimeHeaderField> headers_;
    std::vector<OpenMultipart> open_;
};

} // namespace guard
