#pragma once
// Selecting nodes with an XPath 1.0 expression, through libxml2.
//
// `namespaces` declares the prefixes the expression may use, in the form
// xmlns:p='uri' xmlns:q="uri" (separated by white space; empty for none).
// The nodes come in document order. A namespace node selected through the
// namespace axis is the declaration it comes from, seen as an attribute of
// the element that declares it (the implicit xml namespace, declared
// nowhere, is left out). From a namespace declaration nothing is selected.
//
// A malformed expression or declaration list, an expression whose value is
// not a node set, and an evaluation that runs past the step limit throw
// XmlDomSelectionError; its text says which and why.
#include <string_view>
#include <vector>

#include "Inspectors/Portable/XmlDom/XmlDomValues.h"
#include "platform/DebuggableException.h"

namespace guard {

class XmlDomSelectionError : public TextException {
public:
    using TextException::TextException;
};

namespace XmlDom {

// Replaces the contents of `selected`.
void selectByXPath(const XmlDomNode& from, std::string_view expression, std::string_view namespaces,
                   std::vector<XmlDomNode>& selected);

} // namespace XmlDom

} // namespace guard
