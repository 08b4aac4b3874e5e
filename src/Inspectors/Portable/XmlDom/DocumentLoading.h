#pragma once
// Loading text as a document: "xml document" of a string.
//
// The text is read as UTF-8 unless its XML declaration or byte-order mark
// says otherwise; a UTF-8 byte-order mark is skipped. Nothing is validated
// and nothing is fetched: the external part of a document type is not read,
// and a reference to an external entity fails the load. Internal entities
// are replaced by their text within libxml2's expansion limits. libxml2
// prints nothing.
// Text nodes of white space alone are dropped, except below an element with
// xml:space="preserve" (whitespace between elements is layout, not data).
//
// The document is freed when the current thread's allocator is released
// below the point where it was loaded.
#include <exception>
#include <string>

#include "Inspectors/Portable/XmlDom/XmlDomValues.h"
#include "registry/CoreValues.h"

namespace guard {

// Text that is not a well-formed document. Deliberately not one of the
// program's own exception classes: an answer shows the evaluation's
// unknown-reason sentence; what() is "XMLDomDocumentError: " and the
// parser's reason.
class XMLDomDocumentError : public std::exception {
public:
    explicit XMLDomDocumentError(std::string reason) : message_("XMLDomDocumentError: " + reason) { }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

XmlDomDocument loadXmlDocument(String text);

namespace XmlDom {

// Keeps libxml2 from printing and from loading anything from outside; safe
// to call more than once.
void quietLibxml();

} // namespace XmlDom

} // namespace guard
