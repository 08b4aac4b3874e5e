#pragma once
// The values of "xml dom node" and "xml dom document".
//
// A node value points into a parsed document. The document itself belongs to
// the evaluation's stack allocator: it is freed when the allocator is
// released below the point where it was loaded, as text in that allocator
// is; so a node value stays valid exactly as long as a string made at the
// same time would. A namespace declaration is shown as an attribute of the
// element that declares it; its value names that element and the
// declaration.
#include <cstdint>
#include "registry/GuardType.h"

struct _xmlNode;
struct _xmlNs;
struct _xmlDoc;

namespace guard {

struct XmlDomNode {
    _xmlNode* node = nullptr;      // the node, or the element declaring `declaration`
    _xmlNs* declaration = nullptr; // a namespace declaration seen as an attribute, else null
};

// A document is the node of the document itself, followed by the document.
struct XmlDomDocument {
    XmlDomNode self;
    _xmlDoc* document = nullptr;
};

template <>
struct GuardType<XmlDomNode> {
    static constexpr const char* name = "xml dom node";
    static constexpr std::uint32_t valueSize = 8; // the size the language gives it
};

template <>
struct GuardType<XmlDomDocument> {
    static constexpr const char* name = "xml dom document";
    static constexpr std::uint32_t valueSize = 12; // the size the language gives it
    static constexpr const char* base = "xml dom node";
};

} // namespace guard
