// The rows of "xml dom node" and "xml dom document", and "xml document" of
// a string.
#include <vector>

#include "Inspectors/Portable/XmlDom/DocumentLoading.h"
#include "Inspectors/Portable/XmlDom/DomMapping.h"
#include "Inspectors/Portable/XmlDom/XPathSelection.h"
#include "Inspectors/Portable/XmlDom/XslPatternTranslation.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

using namespace XmlDom;

XmlDomDocument xmlDocumentOf(const String& text) { return loadXmlDocument(text); }

String xmlOfNode(const XmlDomNode& node) { return xml(node); }
String textOfNode(const XmlDomNode& node) { return text(node); }
String nodeNameOf(const XmlDomNode& node) { return nodeName(node); }
std::int64_t nodeTypeOf(const XmlDomNode& node) { return nodeType(node); }
std::optional<String> nodeValueOf(const XmlDomNode& node) { return nodeValue(node); }
std::optional<XmlDomDocument> ownerDocumentOf(const XmlDomNode& node) { return ownerDocument(node); }
std::optional<XmlDomNode> parentOf(const XmlDomNode& node) { return parent(node); }
std::optional<XmlDomNode> firstChildOf(const XmlDomNode& node) { return firstChild(node); }
std::optional<XmlDomNode> lastChildOf(const XmlDomNode& node) { return lastChild(node); }
std::optional<XmlDomNode> previousSiblingOf(const XmlDomNode& node) { return previousSibling(node); }
std::optional<XmlDomNode> nextSiblingOf(const XmlDomNode& node) { return nextSibling(node); }
std::optional<XmlDomNode> childNodeAt(std::int64_t index, const XmlDomNode& node) { return childAt(node, index); }
std::optional<XmlDomNode> attributeIndexed(std::int64_t index, const XmlDomNode& node)
{
    return attributeAt(node, index);
}
std::optional<XmlDomNode> attributeOfName(const String& name, const XmlDomNode& node)
{
    return attributeNamed(node, name);
}

bool deliver(XmlDomNode& out, const std::optional<XmlDomNode>& found)
{
    if (found)
        out = *found;
    return found.has_value();
}

// "child nodes": each child in turn.
class ChildNodes {
public:
    bool first(XmlDomNode& out, const XmlDomNode& node) { return deliver(out, current_ = firstChild(node)); }
    bool next(XmlDomNode& out) { return deliver(out, current_ = current_ ? nextSibling(*current_) : std::nullopt); }

private:
    std::optional<XmlDomNode> current_;
};

// "attributes": the namespace declarations, then the other attributes.
class Attributes {
public:
    bool first(XmlDomNode& out, const XmlDomNode& node) { return deliver(out, cursor_.first(node)); }
    bool next(XmlDomNode& out) { return deliver(out, cursor_.next()); }

private:
    AttributeCursor cursor_;
};

// The nodes of one selection, handed out in order. The list is kept in the
// state (its capacity is reused by the next selection), since the allocator
// is released between the values of a plural property.
class Selection {
public:
    bool next(XmlDomNode& out)
    {
        if (at_ >= nodes_.size())
            return false;
        out = nodes_[at_++];
        return true;
    }

protected:
    bool start(XmlDomNode& out)
    {
        at_ = 0;
        return next(out);
    }
    std::vector<XmlDomNode> nodes_;
    std::size_t at_ = 0;
};

// "xpaths": the selection language is XPath, with no namespace prefixes.
class XPaths : public Selection {
public:
    bool first(XmlDomNode& out, const String& expression, const XmlDomNode& node)
    {
        selectByXPath(node, expression.view(), {}, nodes_);
        return start(out);
    }
};

// "xpaths" of (namespace declarations, expression).
class XPathsWithNamespaces : public Selection {
public:
    bool first(XmlDomNode& out, const Tuple<String, String>& declarationsAndExpression, const XmlDomNode& node)
    {
        selectByXPath(node, declarationsAndExpression.get<1>().view(), declarationsAndExpression.get<0>().view(),
                      nodes_);
        return start(out);
    }
};

// "selects": the selection language is that of XSL patterns, translated to
// XPath.
class Selects : public Selection {
public:
    bool first(XmlDomNode& out, const String& pattern, const XmlDomNode& node)
    {
        translatePattern(pattern.view(), translated_);
        selectByXPath(node, translated_, {}, nodes_);
        return start(out);
    }

private:
    std::string translated_;
};

} // namespace

GUARD_INSPECTORS(type<XmlDomNode>(), type<XmlDomDocument>(),
                 property<Shape::Of, xmlDocumentOf>("xml document", "xml documents"),
                 property<Shape::Of, nodeNameOf>("node name", "node names"),
                 property<Shape::Of, nodeTypeOf>("node type", "node types"),
                 property<Shape::Of, nodeValueOf>("node value", "node values"),
                 property<Shape::Of, ownerDocumentOf>("owner document", "owner documents"),
                 property<Shape::Of, parentOf>("parent node", "parent nodes"),
                 property<Shape::Of, firstChildOf>("first child", "first children"),
                 property<Shape::Of, lastChildOf>("last child", "last children"),
                 property<Shape::Of, previousSiblingOf>("previous sibling", "previous siblings"),
                 property<Shape::Of, nextSiblingOf>("next sibling", "next siblings"),
                 property<Shape::KeyedOf, childNodeAt>("child node", "child nodes"),
                 iterated<Shape::Of, ChildNodes>("child node", "child nodes"),
                 property<Shape::KeyedOf, attributeIndexed>("attribute", "attributes"),
                 property<Shape::KeyedOf, attributeOfName>("attribute", "attributes"),
                 iterated<Shape::Of, Attributes>("attribute", "attributes"),
                 iterated<Shape::KeyedOf, Selects>("select", "selects"),
                 iterated<Shape::KeyedOf, XPaths>("xpath", "xpaths"),
                 iterated<Shape::KeyedOf, XPathsWithNamespaces>("xpath", "xpaths"), cast<xmlOfNode>("xml"),
                 cast<textOfNode>("text"))

} // namespace guard
