#include "Inspectors/Portable/Html/HtmlText.h"

#include <cstring>
#include <limits>
#include <new>

namespace guard {

namespace {

// The replacement of a byte that is escaped, or an empty view.
std::string_view entityOf(char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    default: return {};
    }
}

bool needsEscaping(char c) { return c == '&' || c == '<' || c == '>' || c == '"'; }

const HtmlPiece* newPiece(const HtmlPiece& piece)
{
    void* room = currentAllocator().allocate(sizeof(HtmlPiece));
    return new (room) HtmlPiece(piece);
}

char* put(char* out, std::string_view text)
{
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* writeEscaped(std::string_view text, char* out)
{
    const char* run = text.data();
    const char* end = text.data() + text.size();
    for (const char* at = run; at != end; ++at) {
        if (!needsEscaping(*at))
            continue;
        out = put(out, std::string_view(run, std::size_t(at - run)));
        out = put(out, entityOf(*at));
        run = at + 1;
    }
    return put(out, std::string_view(run, std::size_t(end - run)));
}

// "<" name, a blank and the attributes when there are any.
char* writeOpening(const HtmlPiece& piece, char* out)
{
    *out++ = '<';
    out = put(out, piece.text.view());
    if (!piece.attributes.empty()) {
        *out++ = ' ';
        out = put(out, piece.attributes.view());
    }
    return out;
}

std::uint64_t openingLength(String name, String attributes)
{
    return 1 + std::uint64_t(name.length) + (attributes.empty() ? 0 : 1 + std::uint64_t(attributes.length));
}

// Writes `root` at `out`, each piece at the place its length gives it: the
// second half of a join and an element's closing tag are placed first, so
// that only the second half of a join is written recursively; the loop goes
// down the first halves (a chain of "&" grows to the left) and into the
// contents of elements.
void writeHtml(const HtmlPiece* piece, char* out)
{
    while (piece) {
        switch (piece->kind) {
        case HtmlPiece::Kind::Markup: put(out, piece->text.view()); return;
        case HtmlPiece::Kind::Escaped: writeEscaped(piece->text.view(), out); return;
        case HtmlPiece::Kind::Join:
            writeHtml(piece->second.root, out + htmlLength(piece->first));
            piece = piece->first.root;
            break;
        case HtmlPiece::Kind::Element: {
            out = writeOpening(*piece, out);
            *out++ = '>';
            char* closing = out + htmlLength(piece->second);
            *closing++ = '<';
            *closing++ = '/';
            closing = put(closing, piece->text.view());
            *closing = '>';
            piece = piece->second.root;
            break;
        }
        case HtmlPiece::Kind::EmptyElement:
            out = writeOpening(*piece, out);
            *out++ = '/';
            *out = '>';
            return;
        }
    }
}

} // namespace

std::uint64_t escapedLength(std::string_view text)
{
    std::uint64_t length = text.size();
    for (char c : text)
        length += entityOf(c).empty() ? 0 : entityOf(c).size() - 1;
    return length;
}

void appendEscaped(std::string& to, std::string_view text)
{
    std::size_t at = to.size();
    to.resize(at + escapedLength(text));
    writeEscaped(text, to.data() + at);
}

void appendHtml(std::string& to, Html value)
{
    std::size_t at = to.size();
    to.resize(at + htmlLength(value));
    writeHtml(value.root, to.data() + at);
}

Html htmlMarkup(String text)
{
    if (text.empty())
        return Html{};
    return Html{newPiece(HtmlPiece{HtmlPiece::Kind::Markup, text.length, text, {}, {}, {}})};
}

String stringView(const std::string& text)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    return String::over(text);
}

Html htmlMarkup(const std::string& text) { return htmlMarkup(stringView(text)); }

Html htmlEscaped(String text)
{
    std::uint64_t length = escapedLength(text.view());
    if (length == text.length)
        return htmlMarkup(text);
    return Html{newPiece(HtmlPiece{HtmlPiece::Kind::Escaped, length, text, {}, {}, {}})};
}

Html htmlJoin(Html first, Html second)
{
    if (!first.root)
        return second;
    if (!second.root)
        return first;
    return Html{
        newPiece(HtmlPiece{HtmlPiece::Kind::Join, htmlLength(first) + htmlLength(second), {}, {}, first, second})};
}

Html htmlElement(String name, String attributes, Html content)
{
    // <name attributes> content </name>
    std::uint64_t length = openingLength(name, attributes) + 1 + htmlLength(content) + 3 + name.length;
    return Html{newPiece(HtmlPiece{HtmlPiece::Kind::Element, length, name, attributes, {}, content})};
}

Html htmlEmptyElement(String name, String attributes)
{
    std::uint64_t length = openingLength(name, attributes) + 2;
    return Html{newPiece(HtmlPiece{HtmlPiece::Kind::EmptyElement, length, name, attributes, {}, {}})};
}

String htmlText(Html value)
{
    if (!value.root)
        return String();
    if (value.root->kind == HtmlPiece::Kind::Markup)
        return value.root->text;
    if (value.root->length > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    char* bytes = nullptr;
    String text = String::allocate(std::uint32_t(value.root->length), bytes);
    writeHtml(value.root, bytes);
    return text;
}

} // namespace guard
