#pragma once
// Receiver of the events of the byte-level XML reader (SimpleXMLParserPL).
//
// StartElement: a start tag was completed, with its attributes in document
// order. EndElement: an end tag was completed (the name is not matched
// against the open element). Characters: a run of character data, entities
// already decoded; one run of text may arrive in several calls.
// ProcessingInstruction: a tag whose name starts with "?" was completed (the
// name keeps its "?"); the base ignores it.
// The views and the attribute list are valid only during the call.
#include <string_view>

#include "xml/XMLAttributeList.h"

namespace guard {

class XMLHandler {
public:
    virtual ~XMLHandler() = default;
    virtual void StartElement(std::string_view name, const XMLAttributeList& attributes) = 0;
    virtual void EndElement(std::string_view name) = 0;
    virtual void Characters(std::string_view text) = 0;
    virtual void ProcessingInstruction(std::string_view, const XMLAttributeList&) { }
};

} // namespace guard
