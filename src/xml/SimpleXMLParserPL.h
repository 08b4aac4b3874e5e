#pragma once
// A small, forgiving byte-at-a-time XML tokenizer.
//
// Parse() consumes bytes and reports start tags, end tags, character data
// and processing instructions to a handler: the parser itself by default (so
// a derived class receives the calls by overriding the XMLHandler
// operations; the parser's own ones do nothing), or a handler given at
// construction. Parse() may be called with consecutive chunks of one
// document cut anywhere; where the cuts fall never changes the calls made.
//
// It is not a conforming XML parser and never rejects input: it knows no
// namespaces, DTD, encodings or self-closing tags, and only the entities of
// decodeXMLEntity. Its exact readings (all deliberate):
// - "<a/>" is the end tag "a": "/" anywhere in a tag name switches to an
//   end tag;
// - every "-" in a tag name (before any "/") is dropped and counted; the second
//   one turns the tag into a comment, which ends at ">" after two "-";
// - only the space byte separates a tag name from its attributes; tab, CR
//   and LF are ordinary name bytes; blanks before "=" stay in the attribute
//   name; unquoted values are skipped up to the next quote;
// - "<![CDATA[" starts a section that ends at "]]>";
// - character data still pending when the input stops is never reported.
// Exhausted memory surfaces as std::bad_alloc.
#include <string>
#include <string_view>

#include "xml/XMLAttributeList.h"
#include "xml/XMLHandler.h"

namespace guard {

class SimpleXMLParserPL : public XMLHandler {
public:
    SimpleXMLParserPL() : handler_(this) { }
    explicit SimpleXMLParserPL(XMLHandler& handler) : handler_(&handler) { }
    SimpleXMLParserPL(const SimpleXMLParserPL&) = delete;
    SimpleXMLParserPL& operator=(const SimpleXMLParserPL&) = delete;

    void Parse(const char* begin, const char* end);

    void StartElement(std::string_view, const XMLAttributeList&) override { }
    void EndElement(std::string_view) override { }
    void Characters(std::string_view) override { }

private:
    enum State : unsigned char {
        Text = 0,
        EntityInText = 1,
        TagName = 2,
        EndTag = 3,
        BetweenAttributes = 4,
        AttributeName = 5,
        BeforeValue = 6,
        AttributeValue = 7,
        EntityInValue = 8,
        Comment = 9,
        CData = 10,
    };

    void step(char c);
    void stepTagName(char c);
    void stepCData(char c);
    // Leaves the current state, then enters `next`, with their actions.
    void transitionTo(State next);
    void Leave(State next);
    void Enter(State next);
    void flushText();

    State state_ = Text;
    char current_ = 0;
    std::string text_;
    std::string entity_;
    std::string tagName_;
    XMLAttributeList attributes_;
    std::size_t attributeCount_ = 0;
    std::string* attributeName_ = nullptr;
    std::string* attributeValue_ = nullptr;
    char quote_ = 0;
    unsigned dashes_ = 0;
    char olderCData_ = 0;
    char newerCData_ = 0;
    XMLHandler* handler_;
};

} // namespace guard
