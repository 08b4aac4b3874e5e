#include "xml/XMLResponseWriter.h"

#include "pipeline/HexDigits.h"

namespace guard {

namespace {

bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isNameStartByte(unsigned char c) { return isAsciiLetter(c) || c == '_' || c == ':'; }

bool isNameByte(unsigned char c)
{
    return isNameStartByte(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 0xB7;
}

bool isValidName(std::string_view name)
{
    if (name.empty() || !isNameStartByte(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name.substr(1))
        if (!isNameByte(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Escapes give the replacement of a byte, or nothing to keep it; `scratch`
// has room for six bytes.
std::string_view attributeEscape(unsigned char c, char*)
{
    switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '"': return "&quot;";
    default: return {};
    }
}

std::string_view contentEscape(unsigned char c, char* scratch)
{
    switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    default: break;
    }
    if (c < 0x80)
        return {};
    scratch[0] = '&';
    scratch[1] = '#';
    scratch[2] = 'x';
    scratch[3] = kLowercaseHexDigits[c >> 4];
    scratch[4] = kLowercaseHexDigits[c & 15];
    scratch[5] = ';';
    return std::string_view(scratch, 6);
}

const XMLAttributeList kNoAttributes;

constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

} // namespace

void XMLResponseWriter::StartDocument(std::string_view rootName, const XMLAttributeList& rootAttributes,
                                      std::optional<std::string_view> encoding)
{
    output_.Start(0);
    put("<?xml version=\"1.0\"");
    if (encoding) {
        put(" encoding=\"");
        put(*encoding);
        put("\"");
    }
    put("?>");
    StartElement(rootName, rootAttributes);
}

void XMLResponseWriter::StartElement(std::string_view name) { StartElement(name, kNoAttributes); }

void XMLResponseWriter::StartElement(std::string_view name, const XMLAttributeList& attributes)
{
    if (validateNames_)
        checkNames(name, attributes);
    newLine(depth_);
    put("<");
    put(name);
    for (const auto& [attributeName, value] : attributes) {
        put(" ");
        put(attributeName);
        put("=\"");
        putEscaped(value, attributeEscape);
        put("\"");
    }
    put(">");
    if (depth_ == names_.size())
        names_.emplace_back();
    names_[depth_++].assign(name);
    last_ = WroteStartTag;
}

void XMLResponseWriter::WriteText(std::string_view text)
{
    if (layoutMode_ <= 1 && last_ == WroteEndTag)
        output_.LineEnd(0, 0);
    putEscaped(text, contentEscape);
    last_ = WroteText;
}

void XMLResponseWriter::EndElement()
{
    if (depth_ == 0)
        throw NoOpenXMLElement();
    if (last_ == WroteEndTag)
        newLine(depth_ - 1);
    put("</");
    put(names_[--depth_]);
    put(">");
    last_ = WroteEndTag;
}

void XMLResponseWriter::Close()
{
    while (depth_ != 0)
        EndElement();
    output_.Finish(0);
}

void XMLResponseWriter::checkNames(std::string_view name, const XMLAttributeList& attributes) const
{
    if (!isValidName(name))
        throw InvalidXMLElementName(name);
    for (const auto& attribute : attributes)
        if (!isValidName(attribute.first))
            throw InvalidXMLAttributeName(name, attribute.first);
}

void XMLResponseWriter::newLine(std::size_t indentation)
{
    if (layoutMode_ > 1)
        return;
    output_.LineEnd(0, 0);
    if (layoutMode_ == 1)
        return;
    for (; indentation > kTabs.size(); indentation -= kTabs.size())
        put(kTabs);
    put(kTabs.substr(0, indentation));
}

void XMLResponseWriter::put(std::string_view bytes)
{
    if (!bytes.empty())
        output_.Text(bytes.data(), bytes.data() + bytes.size());
}

void XMLResponseWriter::putEscaped(std::string_view text, Escape escape)
{
    char scratch[6];
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view replacement = escape(static_cast<unsigned char>(text[i]), scratch);
        if (replacement.empty())
            continue;
        put(text.substr(run, i - run));
        put(replacement);
        run = i + 1;
    }
    put(text.substr(run));
}

} // namespace guard
