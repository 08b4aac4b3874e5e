#include "Inspectors/Portable/XmlDom/DomMapping.h"

#include <libxml/tree.h>

#include <new>
#include <string_view>

namespace guard::XmlDom {

namespace {

std::string_view view(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

String stringOf(std::string_view text) { return String::over(text); }

String qualified(const xmlNs* ns, const xmlChar* local)
{
    if (ns && ns->prefix)
        return String::join({view(ns->prefix), ":", view(local)});
    return stringOf(view(local));
}

String declarationName(const xmlNs* declaration)
{
    if (declaration->prefix)
        return String::join({"xmlns:", view(declaration->prefix)});
    return String::literal("xmlns");
}

bool isAttribute(const XmlDomNode& node) { return node.declaration || node.node->type == XML_ATTRIBUTE_NODE; }

bool hasModelChildren(const xmlNode* node)
{
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
    case XML_DOCUMENT_FRAG_NODE: return true;
    default: return false;
    }
}

std::optional<XmlDomNode> nodeOrNone(xmlNode* node)
{
    if (!node)
        return std::nullopt;
    return XmlDomNode{node, nullptr};
}

bool isTextual(const xmlNode* node) { return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE; }

// Calls `visit(content)` for each text and CDATA node below `root`, in
// document order, without recursion.
template <class Visit>
void forEachText(const xmlNode* root, Visit&& visit)
{
    const xmlNode* node = root->children;
    while (node && node != root) {
        if (isTextual(node))
            visit(view(node->content));
        if (node->children && node->type != XML_ENTITY_REF_NODE && node->type != XML_DTD_NODE) {
            node = node->children;
            continue;
        }
        while (node != root && !node->next)
            node = node->parent;
        if (node != root)
            node = node->next;
    }
}

// The text of the text nodes below `root`, one after another.
String descendantText(const xmlNode* root)
{
    std::size_t length = 0;
    std::string_view only;
    std::size_t pieces = 0;
    forEachText(root, [&](std::string_view piece) {
        length += piece.size();
        only = piece;
        ++pieces;
    });
    if (pieces <= 1)
        return stringOf(only); // a view into the document
    char* bytes = nullptr;
    String result = String::allocate(std::uint32_t(length), bytes);
    forEachText(root, [&](std::string_view piece) {
        for (char c : piece)
            *bytes++ = c;
    });
    return result;
}

// `text` with the characters that cannot stand in a quoted attribute value
// written as references.
String escapedAttributeValue(std::string_view text)
{
    std::size_t length = 0;
    for (char c : text)
        length += c == '&' ? 5 : c == '<' ? 4 : c == '"' ? 6 : 1;
    if (length == text.size())
        return stringOf(text);
    char* bytes = nullptr;
    String result = String::allocate(std::uint32_t(length), bytes);
    auto put = [&](std::string_view piece) {
        for (char c : piece)
            *bytes++ = c;
    };
    for (char c : text) {
        if (c == '&')
            put("&amp;");
        else if (c == '<')
            put("&lt;");
        else if (c == '"')
            put("&quot;");
        else
            *bytes++ = c;
    }
    return result;
}

// libxml2's own serialisation of `first` and the siblings after it up to
// `last`.
String dumped(xmlNode* first, xmlNode* last)
{
    xmlBuffer* buffer = xmlBufferCreate();
    if (!buffer)
        throw std::bad_alloc();
    for (xmlNode* node = first; node; node = node == last ? nullptr : node->next)
        xmlNodeDump(buffer, node->doc, node, 0, 0);
    String result;
    try {
        result = String::copy(std::string_view(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                                               std::size_t(xmlBufferLength(buffer))));
    } catch (...) {
        xmlBufferFree(buffer);
        throw;
    }
    xmlBufferFree(buffer);
    return result;
}

} // namespace

bool isDocument(const XmlDomNode& node)
{
    return !node.declaration && (node.node->type == XML_DOCUMENT_NODE || node.node->type == XML_HTML_DOCUMENT_NODE);
}

std::int64_t nodeType(const XmlDomNode& node)
{
    if (node.declaration)
        return 2;
    switch (node.node->type) {
    case XML_ELEMENT_NODE: return 1;
    case XML_ATTRIBUTE_NODE: return 2;
    case XML_TEXT_NODE: return 3;
    case XML_CDATA_SECTION_NODE: return 4;
    case XML_ENTITY_REF_NODE: return 5;
    case XML_ENTITY_NODE:
    case XML_ENTITY_DECL: return 6;
    case XML_PI_NODE: return 7;
    case XML_COMMENT_NODE: return 8;
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE: return 9;
    case XML_DOCUMENT_TYPE_NODE:
    case XML_DTD_NODE: return 10;
    case XML_DOCUMENT_FRAG_NODE: return 11;
    case XML_NOTATION_NODE: return 12;
    default: return 0;
    }
}

String nodeName(const XmlDomNode& node)
{
    if (node.declaration)
        return declarationName(node.declaration);
    const xmlNode* n = node.node;
    switch (n->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE: return qualified(n->ns, n->name);
    case XML_TEXT_NODE: return String::literal("#text");
    case XML_CDATA_SECTION_NODE: return String::literal("#cdata-section");
    case XML_COMMENT_NODE: return String::literal("#comment");
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE: return String::literal("#document");
    case XML_DOCUMENT_FRAG_NODE: return String::literal("#document-fragment");
    default: return stringOf(view(n->name));
    }
}

std::optional<String> nodeValue(const XmlDomNode& node)
{
    if (node.declaration)
        return stringOf(view(node.declaration->href));
    const xmlNode* n = node.node;
    switch (n->type) {
    case XML_ATTRIBUTE_NODE: return descendantText(n);
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE: return stringOf(view(n->content));
    default: return std::nullopt;
    }
}

String text(const XmlDomNode& node)
{
    if (std::optional<String> value = nodeValue(node))
        return *value;
    if (!hasModelChildren(node.node))
        return String();
    return descendantText(node.node);
}

String xml(const XmlDomNode& node)
{
    if (node.declaration)
        return String::join({declarationName(node.declaration).view(), "=\"",
                             escapedAttributeValue(view(node.declaration->href)).view(), "\""});
    xmlNode* n = node.node;
    if (n->type == XML_ATTRIBUTE_NODE)
        return String::join(
            {qualified(n->ns, n->name).view(), "=\"", escapedAttributeValue(descendantText(n).view()).view(), "\""});
    if (isDocument(node))
        return n->children ? dumped(n->children, n->last) : String();
    return dumped(n, n);
}

std::optional<XmlDomNode> parent(const XmlDomNode& node)
{
    if (isAttribute(node) || isDocument(node))
        return std::nullopt;
    return nodeOrNone(node.node->parent);
}

std::optional<XmlDomNode> firstChild(const XmlDomNode& node)
{
    if (node.declaration || !hasModelChildren(node.node))
        return std::nullopt;
    return nodeOrNone(node.node->children);
}

std::optional<XmlDomNode> lastChild(const XmlDomNode& node)
{
    if (node.declaration || !hasModelChildren(node.node))
        return std::nullopt;
    return nodeOrNone(node.node->last);
}

std::optional<XmlDomNode> previousSibling(const XmlDomNode& node)
{
    if (isAttribute(node) || isDocument(node))
        return std::nullopt;
    return nodeOrNone(node.node->prev);
}

std::optional<XmlDomNode> nextSibling(const XmlDomNode& node)
{
    if (isAttribute(node) || isDocument(node))
        return std::nullopt;
    return nodeOrNone(node.node->next);
}

std::optional<XmlDomDocument> ownerDocument(const XmlDomNode& node)
{
    if (isDocument(node) || !node.node->doc)
        return std::nullopt;
    return XmlDomDocument{XmlDomNode{reinterpret_cast<xmlNode*>(node.node->doc), nullptr}, node.node->doc};
}

std::optional<XmlDomNode> childAt(const XmlDomNode& node, std::int64_t index)
{
    std::optional<XmlDomNode> child = firstChild(node);
    for (; child && index > 0; --index)
        child = nodeOrNone(child->node->next);
    if (index < 0)
        return std::nullopt;
    return child;
}

std::optional<XmlDomNode> attributeAt(const XmlDomNode& node, std::int64_t index)
{
    if (index < 0)
        return std::nullopt;
    AttributeCursor cursor;
    std::optional<XmlDomNode> attribute = cursor.first(node);
    for (; attribute && index > 0; --index)
        attribute = cursor.next();
    return attribute;
}

std::optional<XmlDomNode> attributeNamed(const XmlDomNode& node, String name)
{
    AttributeCursor cursor;
    // Names are compared without building them: "prefix:local" is matched
    // piece by piece.
    auto matches = [&](std::string_view prefix, std::string_view local) {
        std::string_view wanted = name.view();
        if (prefix.empty())
            return wanted == local;
        return wanted.size() == prefix.size() + 1 + local.size() && wanted.substr(0, prefix.size()) == prefix &&
            wanted[prefix.size()] == ':' && wanted.substr(prefix.size() + 1) == local;
    };
    for (std::optional<XmlDomNode> attribute = cursor.first(node); attribute; attribute = cursor.next()) {
        bool found = false;
        if (const xmlNs* declaration = attribute->declaration)
            found = declaration->prefix ? matches("xmlns", view(declaration->prefix)) : name.view() == "xmlns";
        else
            found = matches(attribute->node->ns ? view(attribute->node->ns->prefix) : std::string_view(),
                            view(attribute->node->name));
        if (found)
            return attribute;
    }
    return std::nullopt;
}

std::optional<XmlDomNode> AttributeCursor::first(const XmlDomNode& node)
{
    element_ = nullptr;
    declaration_ = nullptr;
    attribute_ = nullptr;
    if (node.declaration || node.node->type != XML_ELEMENT_NODE)
        return std::nullopt;
    element_ = node.node;
    declaration_ = element_->nsDef;
    attribute_ = reinterpret_cast<xmlNode*>(element_->properties);
    return current();
}

std::optional<XmlDomNode> AttributeCursor::next()
{
    if (declaration_)
        declaration_ = declaration_->next;
    else if (attribute_)
        attribute_ = attribute_->next;
    return current();
}

std::optional<XmlDomNode> AttributeCursor::current()
{
    if (declaration_)
        return XmlDomNode{element_, declaration_};
    return nodeOrNone(attribute_);
}

} // namespace guard::XmlDom
