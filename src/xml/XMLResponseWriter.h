#pragma once
// A streaming XML writer that lays a document out in lines.
//
// Calls (start an element with its attributes, write text, end an element,
// close everything) become Text and LineEnd(0, 0) calls on a LineReceiver;
// only StartDocument() calls its Start(0) and only Close() its Finish(0).
// Layout mode 0 puts every start tag on a new line indented by one tab per
// enclosing element; mode 1 does the same without indentation; 2 or more
// writes everything on one line. An element whose content is text or nothing
// ends on the line of its start tag; one that holds elements ends on a line
// of its own (aligned with its start tag in mode 0); text that follows an
// end tag starts a new, unindented line (modes 0 and 1). Start tags are always
// closed at once, so an empty element is written "<a></a>".
//
// Names are checked (unless switched off) before anything of the element is
// written: a name starts with an ASCII letter, "_" or ":" and goes on with
// those, ASCII digits, ".", "-" or the byte 0xB7. Attribute values escape
// < > & and the double quote; content escapes < > & and writes each byte
// 0x80-0xFF as "&#x" + two lowercase hex digits + ";". Every other byte is
// written as it is, so CR and LF inside content reach the output within
// Text. Errors of the output pass through unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/LineReceiver.h"
#include "xml/XMLAttributeList.h"
#include "xml/XMLWriterExceptions.h"

namespace guard {

class XMLResponseWriter {
public:
    XMLResponseWriter(LineReceiver& output, std::uint32_t layoutMode) : output_(output), layoutMode_(layoutMode) { }
    XMLResponseWriter(const XMLResponseWriter&) = delete;
    XMLResponseWriter& operator=(const XMLResponseWriter&) = delete;

    void setValidateNames(bool validate) { validateNames_ = validate; }

    // Start(0), the declaration <?xml version="1.0"?> (with
    // encoding="name" when given), then the root as StartElement writes it
    // (so an invalid root name throws after the declaration is written).
    void StartDocument(std::string_view rootName, const XMLAttributeList& rootAttributes,
                       std::optional<std::string_view> encoding = std::nullopt);
    // Throws InvalidXMLElementName or InvalidXMLAttributeName, having
    // written nothing, when a name is invalid.
    void StartElement(std::string_view name, const XMLAttributeList& attributes);
    void StartElement(std::string_view name);
    void WriteText(std::string_view text);
    // Throws NoOpenXMLElement when no element is open.
    void EndElement();
    // Ends every open element, innermost first, then Finish(0).
    void Close();

private:
    enum LastAction { Nothing, WroteStartTag, WroteText, WroteEndTag };

    void checkNames(std::string_view name, const XMLAttributeList& attributes) const;
    void newLine(std::size_t indentation);
    void put(std::string_view bytes);
    // Writes unchanged runs of `text` in one piece and each byte that
    // `escape` replaces as its replacement.
    using Escape = std::string_view (*)(unsigned char c, char* scratch);
    void putEscaped(std::string_view text, Escape escape);

    LineReceiver& output_;
    std::uint32_t layoutMode_;
    bool validateNames_ = true;
    // names_[0, depth_) are the open elements; slots beyond are kept for reuse.
    std::vector<std::string> names_;
    std::size_t depth_ = 0;
    LastAction last_ = Nothing;
};

} // namespace guard
