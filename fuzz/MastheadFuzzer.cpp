// Fuzz target: a masthead file through the MIME reader and the masthead
// reader.
//
// Input: one selector byte, which chooses how the rest is cut into chunks
// (see feedInChunks), then the file's bytes. Checks: the reader throws only
// its own MalformedMimeMessage or NotAMasthead, each with a reason; entities
// never nest deeper than the reader's limit; and reading the bytes in chunks
// reports the very same entities, header fields, FIPS field and failure as
// reading them whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "crypto/Masthead.h"
#include "crypto/MimeReader.h"

namespace guard {

namespace {

// Everything the reader reported, as text, so that two readings compare.
class Transcript final : public MimeEntityHandler {
public:
    explicit Transcript(MastheadReader& masthead) : masthead_(masthead) { }

    void entity(const MimeEntity& entity) override
    {
        fuzz::check(entity.depth <= MimeReader::kMaximumDepth, "entities nested past the limit");
        text += std::to_string(entity.depth) + "." + std::to_string(entity.partIndex) + " " +
            entity.contentType.mediaType() + "\n";
        for (const MimeHeaderField& field : entity.headers)
            text += field.name + ": " + field.value + "\n";
        masthead_.entity(entity);
    }

    std::string text;

private:
    MastheadReader& masthead_;
};

std::string readAll(std::string_view bytes, std::uint8_t selector)
{
    MastheadHeaderSet headers;
    MastheadReader masthead(headers);
    Transcript transcript(masthead);
    MimeReader reader(transcript);
    try {
        reader.Start();
        fuzz::feedInChunks(bytes, selector, [&](const char* begin, const char* end) { reader.Receive(begin, end); });
        reader.Finish();
        masthead.finish();
    } catch (const MalformedMimeMessage& e) {
        fuzz::check(*e.what() != '\0', "a malformed message without a reason");
        return transcript.text + "malformed: " + e.what();
    } catch (const NotAMasthead& e) {
        fuzz::check(*e.what() != '\0', "not a masthead, without a reason");
        return transcript.text + "not a masthead: " + e.what();
    }
    return transcript.text + "fips " + std::to_string(headers.requireFipsCryptography());
}

} // namespace

} // namespace guard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string whole = guard::readAll(bytes, 0);
    if (data[0] != 0) {
        std::string chunked = guard::readAll(bytes, data[0]);
        guard::fuzz::check(chunked == whole, "chunked reading differs", chunked);
    }
    return 0;
}
