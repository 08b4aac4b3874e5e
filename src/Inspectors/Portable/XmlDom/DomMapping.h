#pragma once
// The document object model as users see it, over libxml2's tree.
//
// libxml2 and the model differ in a few places, all settled here:
// - An attribute has no parent, no siblings and no children (its value is
//   read through nodeValue and text); a document has no parent, no siblings
//   and no owner document.
// - The attributes of an element are its namespace declarations ("xmlns",
//   "xmlns:p"), in the order written, then its other attributes in the
//   order written (libxml2 keeps the two apart, so their interleaving in the
//   text is not known).
// - Names are qualified ("p:local"); text, section, comment, document and
//   fragment nodes are named "#text", "#cdata-section", "#comment",
//   "#document", "#document-fragment".
// - Node types are the model's numbers: element 1, attribute 2, text 3,
//   CDATA section 4, entity reference 5, entity 6, processing instruction 7,
//   comment 8, document 9, document type 10, document fragment 11,
//   notation 12.
// - The document type node is a child of the document but has no children
//   of its own.
// Results that are text are views into the document where they can be and
// otherwise made in the current thread's stack allocator.
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/XmlDom/XmlDomValues.h"
#include "registry/CoreValues.h"

namespace guard::XmlDom {

std::int64_t nodeType(const XmlDomNode& node);
String nodeName(const XmlDomNode& node);
// No value for elements, documents, document types, fragments and entity
// references, as in the model.
std::optional<String> nodeValue(const XmlDomNode& node);
// The text content: for an element or a document, the text and CDATA
// sections below it in document order.
String text(const XmlDomNode& node);
// The node written as XML; a document is its nodes one after another,
// without an XML declaration.
String xml(const XmlDomNode& node);

std::optional<XmlDomNode> parent(const XmlDomNode& node);
std::optional<XmlDomNode> firstChild(const XmlDomNode& node);
std::optional<XmlDomNode> lastChild(const XmlDomNode& node);
std::optional<XmlDomNode> previousSibling(const XmlDomNode& node);
std::optional<XmlDomNode> nextSibling(const XmlDomNode& node);
std::optional<XmlDomDocument> ownerDocument(const XmlDomNode& node);
bool isDocument(const XmlDomNode& node);

// Children and attributes counted from 0; no value past the end.
std::optional<XmlDomNode> childAt(const XmlDomNode& node, std::int64_t index);
std::optional<XmlDomNode> attributeAt(const XmlDomNode& node, std::int64_t index);
// The attribute whose qualified name is `name` (namespace declarations
// included, as "xmlns" or "xmlns:p").
std::optional<XmlDomNode> attributeNamed(const XmlDomNode& node, String name);

// Walks the attributes of an element in the order of attributeAt.
class AttributeCursor {
public:
    // The first attribute of `node` (none when it is not an element).
    std::optional<XmlDomNode> first(const XmlDomNode& node);
    std::optional<XmlDomNode> next();

private:
    std::optional<XmlDomNode> current();
    _xmlNode* element_ = nullptr;
    _xmlNs* declaration_ = nullptr;
    _xmlNode* attribute_ = nullptr; // an xmlAttr
};

} // namespace guard::XmlDom
