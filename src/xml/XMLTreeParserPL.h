#pragma once
// Builds a tree of XMLElementPL from the events of SimpleXMLParserPL.
//
// The first start tag makes the root. A start tag while no element is open
// reuses the root: it takes the new name and attributes and keeps the text
// and children it already has. Other start tags append a child to the
// innermost open element. An end tag closes the innermost open element
// whatever its name (and does nothing when none is open). Character data goes
// to the innermost open element; outside every element it is dropped.
// Processing instructions are ignored. The reader never rejects input, so
// after the last chunk the consumer checks Root() and IsStackEmpty().
#include <memory>
#include <vector>

#include "xml/SimpleXMLParserPL.h"
#include "xml/XMLElementPL.h"

namespace guard {

class XMLTreeParserPL : public SimpleXMLParserPL {
public:
    // The root element, or null when no start tag was read.
    const XMLElementPL* Root() const { return root_.get(); }
    // True when every element that was started has been closed.
    bool IsStackEmpty() const { return open_.empty(); }

    void StartElement(std::string_view name, const XMLAttributeList& attributes) override;
    void EndElement(std::string_view name) override;
    void Characters(std::string_view text) override;

private:
    std::unique_ptr<XMLElementPL> root_;
    // Only the innermost open element ever gets children appended, so the
    // pointers to the outer ones stay valid.
    std::vector<XMLElementPL*> open_;
};

} // namespace guard
