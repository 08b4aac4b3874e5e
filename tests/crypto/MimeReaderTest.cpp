#include "crypto/MimeReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace guard {

namespace {

struct SeenEntity {
    std::size_t depth;
    std::size_t partIndex;
    std::string mediaType;
    std::vector<MimeHeaderField> headers;
};

class RecordingHandler final : public MimeEntityHandler {
public:
    void entity(const MimeEntity& entity) override
    {
        seen.push_back({entity.depth, entity.partIndex, entity.contentType.mediaType(), entity.headers});
    }
    std::vector<SeenEntity> seen;
};

// Reads `text` in chunks of `chunk` bytes (every chunking must read alike).
std::vector<SeenEntity> read(std::string_view text, std::size_t chunk = 0)
{
    RecordingHandler handler;
    MimeReader reader(handler);
    reader.Start();
    if (chunk == 0)
        chunk = text.size() + 1;
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        std::string_view piece = text.substr(at, chunk);
        reader.Receive(piece.data(), piece.data() + piece.size());
    }
    reader.Finish();
    return handler.seen;
}

std::string readError(std::string_view text)
{
    try {
        read(text);
    } catch (const MalformedMimeMessage& e) {
        return e.what();
    }
    return "no error";
}

const char kNested[] = "Content-Type: multipart/signed; boundary=outer\r\n"
                       "\r\n"
                       "preamble\r\n"
                       "--outer\r\n"
                       "Content-Type: multipart/mixed;\r\n"
                       "\tboundary=\"inner (quoted)\"\r\n"
                       "\r\n"
                       "--inner (quoted)\r\n"
                       "Subject: first\r\n"
                       "\r\n"
                       "--not the boundary\r\n"
                       "--inner (quoted)  \r\n"
                       "Content-Type: text/plain\r\n"
                       "\r\n"
                       "body\r\n"
                       "--inner (quoted)--\r\n"
                       "epilogue\r\n"
                       "--outer\r\n"
                       "Content-Type: application/pkcs7-signature\r\n"
                       "\r\n"
                       "c2lnbmF0dXJl\r\n"
                       "--outer--\r\n";

} // namespace

TEST(MimeReader, FoldedHeadersAreUnfoldedAndTrimmed)
{
    std::vector<SeenEntity> seen =
        read("Subject:   a long\r\n  subject\r\n\tline \r\nX-Empty:\r\nFrom:x\r\n\r\nbody\r\n");
    ASSERT_EQ(seen.size(), 1u);
    ASSERT_EQ(seen[0].headers.size(), 3u);
    EXPECT_EQ(seen[0].headers[0].name, "Subject");
    EXPECT_EQ(seen[0].headers[0].value, "a long  subject\tline");
    EXPECT_EQ(seen[0].headers[1].value, "");
    EXPECT_EQ(seen[0].headers[2].value, "x");
    EXPECT_EQ(seen[0].mediaType, "text/plain");
}

TEST(MimeReader, ContentTypesWithParametersQuotesAndComments)
{
    MimeContentType type = parseContentType(
        "Multipart/Signed (a comment; with semicolon) ; Protocol=\"application/pkcs7-signature\"; micalg = sha1;"
        " boundary=\"a \\\"b\\\" c\"; charset=utf-8");
    EXPECT_EQ(type.mediaType(), "multipart/signed");
    EXPECT_TRUE(type.isMultipart());
    EXPECT_EQ(type.parameter("protocol"), "application/pkcs7-signature");
    EXPECT_EQ(type.parameter("MICALG"), "sha1");
    EXPECT_EQ(type.parameter("boundary"), "a \"b\" c");
    EXPECT_EQ(type.parameter("charset"), "utf-8");
    EXPECT_EQ(type.parameter("missing"), "");
    EXPECT_TRUE(type.is("MULTIPART/signed"));
    EXPECT_FALSE(type.is("multipart/mixed"));
    EXPECT_EQ(parseContentType("").mediaType(), "text/plain");
    EXPECT_EQ(parseContentType("garbage").mediaType(), "text/plain");
    // A comment whose last byte is a backslash ends with the value (it once
    // left the reader past the end, looking for the next parameter forever).
    EXPECT_EQ(parseContentType("text/html; a (x\\").mediaType(), "text/html");
    EXPECT_EQ(parseContentType("text/html (\\").mediaType(), "text/html");
}

TEST(MimeReader, NestedMultipartsYieldEveryPartAtItsDepthInAnyChunking)
{
    for (std::size_t chunk : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(7)}) {
        std::vector<SeenEntity> seen = read(kNested, chunk);
        ASSERT_EQ(seen.size(), 5u) << chunk;
        EXPECT_EQ(seen[0].mediaType, "multipart/signed");
        EXPECT_EQ(seen[0].depth, 0u);
        EXPECT_EQ(seen[1].mediaType, "multipart/mixed");
        EXPECT_EQ(seen[1].depth, 1u);
        EXPECT_EQ(seen[1].partIndex, 0u);
        EXPECT_EQ(seen[2].depth, 2u);
        EXPECT_EQ(seen[2].partIndex, 0u);
        ASSERT_EQ(seen[2].headers.size(), 1u);
        EXPECT_EQ(seen[2].headers[0].value, "first");
        EXPECT_EQ(seen[3].mediaType, "text/plain");
        EXPECT_EQ(seen[3].partIndex, 1u);
        EXPECT_EQ(seen[4].mediaType, "application/pkcs7-signature");
        EXPECT_EQ(seen[4].depth, 1u);
        EXPECT_EQ(seen[4].partIndex, 1u);
    }
}

TEST(MimeReader, LineEndsOfAnyKindAndAnOuterBoundaryClosingInnerParts)
{
    std::vector<SeenEntity> seen = read("Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: multipart/"
                                        "mixed; boundary=c\n\n--c\nSubject: x\r\r--b\rSubject: y\n\n--b--");
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].headers[0].value, "x");
    EXPECT_EQ(seen[3].depth, 1u);
    EXPECT_EQ(seen[3].partIndex, 1u);
}

TEST(MimeReader, LongBodyLinesAreNotKeptAndAreNoBoundary)
{
    std::string text = "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\n\r\n--b" + std::string(100000, 'x') +
        "\r\n" + std::string(100000, '-') + "\r\n--b--\r\n";
    EXPECT_EQ(read(text, 4096).size(), 2u);
}

TEST(MimeReader, MalformedMessagesSayWhy)
{
    EXPECT_EQ(readError("Subject x\r\n\r\n"), "a header line has no colon: \"Subject x\"");
    EXPECT_EQ(readError(" folded\r\n\r\n"), "a header block starts with a continuation line");
    EXPECT_EQ(readError(": value\r\n\r\n"), "a header line has no field name");
    EXPECT_EQ(readError("Content-Type: multipart/mixed\r\n\r\n"),
              "a multipart entity (multipart/mixed) has no boundary");
    EXPECT_EQ(readError("Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\n\r\ntext\r\n"),
              "the input ends inside a multipart entity (no closing boundary \"--b--\")");
    EXPECT_EQ(readError("Subject: " + std::string(MimeReader::kMaximumHeaderBlock, 'x') + "\r\n\r\n"),
              "a header block is longer than 65536 bytes");
    std::string deep;
    for (int i = 0; i < 20; ++i)
        deep += "Content-Type: multipart/mixed; boundary=b" + std::to_string(i) + "\r\n\r\n--b" + std::to_string(i) +
            "\r\n";
    EXPECT_EQ(readError(deep), "multipart entities are nested deeper than 16");
}

TEST(MimeReader, AnEmptyInputIsOneEntityWithoutHeaders)
{
    std::vector<SeenEntity> seen = read("");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].headers.empty());
    EXPECT_EQ(seen[0].mediaType, "text/plain");
}

} // namespace guard
