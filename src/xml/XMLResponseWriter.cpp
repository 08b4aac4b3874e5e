#include "xml/XMLResponseWriter.h"

#include "pipeline/HexDigits.h"

namespace guard {

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsNameStartByte(unsigned char c) { return IsAsciiLetter(c) || c == '_' || c == ':'; }

bool IsNameByte(unsigned char c)
{
    return IsNameStartByte(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 0xB7;
}

bool IsValidName(std::string_view name)
{
    if (name.empty() || !IsNameStartByte(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name.substr(1))
        if (!IsNameByte(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Escapes give the replacement of a byte, or nothing to keep it; `scratch`
// has room for six bytes.
std::string_view AttributeEscape(unsigned char c, char*)
{
    switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '"': return "&quot;";
    default: return {};
    }
}

std::string_view ContentEscape(unsigned char c, char* scratch)
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
    Put("<?xml version=\"1.0\"");
    if (encoding) {
        Put(" encoding=\"");
        Put(*encoding);
        Put("\"");
    }
    Put("?>");
    StartElement(rootName, rootAttributes);
}

void XMLResponseWriter::StartElement(std::string_view name) { StartElement(name, kNoAttributes); }

void XMLResponseWriter::StartElement(std::string_view name, const XMLAttributeList& attributes)
{
    if (validateNames_)
        CheckNames(name, attributes);
    NewLine(depth_);
    Put("<");
    Put(name);
    for (const auto& [attributeName, value] : attributes) {
        Put(" ");
        Put(attributeName);
        Put("=\"");
        PutEscaped(value, AttributeEscape);
        Put("\"");
    }
    Put(">");
    if (depth_ == names_.size())
        names_.emplace_back();
    names_[depth_++].assign(name);
    last_ = WroteStartTag;
}

void XMLResponseWriter::WriteText(std::string_view text)
{
    if (layoutMode_ <= 1 && last_ == WroteEndTag)
        output_.LineEnd(0, 0);
    PutEscaped(text, ContentEscape);
    last_ = WroteText;
}

void XMLResponseWriter::EndElement()
{
    if (depth_ == 0)
        throw NoOpenXMLElement();
    if (last_ == WroteEndTag)
        NewLine(depth_ - 1);
    Put("</");
    Put(names_[--depth_]);
    Put(">");
    last_ = WroteEndTag;
}

void XMLResponseWriter::Close()
{
    while (depth_ != 0)
        EndElement();
    output_.Finish(0);
}

void XMLResponseWriter::CheckNames(std::string_view name, const XMLAttributeList& attributes) const
{
    if (!IsValidName(name))
        throw InvalidXMLElementName(name);
    for (const auto& attribute : attributes)
        if (!IsValidName(attribute.first))
            throw InvalidXMLAttributeName(name, attribute.first);
}

void XMLResponseWriter::NewLine(std::size_t indentation)
{
    if (layoutMode_ > 1)
        return;
    output_.LineEnd(0, 0);
    if (layoutMode_ == 1)
        return;
    for (; indentation > kTabs.size(); indentation -= kTabs.size())
        Put(kTabs);
    Put(kTabs.substr(0, indentation));
}

void XMLResponseWriter::Put(std::string_view bytes)
{
    if (!bytes.empty())
        output_.Text(bytes.data(), bytes.data() + bytes.size());
}

void XMLResponseWriter::PutEscaped(std::string_view text, Escape escape)
{
    char scratch[6];
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view replacement = escape(static_cast<unsigned char>(text[i]), scratch);
        if (replacement.empty())
            continue;
        Put(text.substr(run, i - run));
        Put(replacement);
        run = i + 1;
    }
    Put(text.substr(run));
}

} // namespace guard
