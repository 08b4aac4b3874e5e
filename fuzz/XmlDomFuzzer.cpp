// Fuzz target: a document, an XPath expression and an XSL pattern through
// the XML document object model.
//
// Input: the document's text, a NUL byte, the XPath text, a NUL byte, the
// pattern's text (missing parts are empty). The document is loaded as
// "xml document" loads it; a refusal must be XMLDomDocumentError. Every node
// is then visited through the model, checking that navigation agrees with
// itself (a child's parent is the node, siblings point back, attributes and
// the document stand outside the tree), and that no text of white space
// alone is left outside an element with xml:space="preserve". The XPath and
// the translated pattern select from the document; a refusal must be
// XmlDomSelectionError, and every node selected must belong to the
// document. At the end the
// allocator is released, which frees the document: the sanitizers see any
// node used after that, or a document never freed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "Inspectors/Portable/XmlDom/DocumentLoading.h"
#include "Inspectors/Portable/XmlDom/DomMapping.h"
#include "Inspectors/Portable/XmlDom/XPathSelection.h"
#include "Inspectors/Portable/XmlDom/XslPatternTranslation.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

using namespace XmlDom;

constexpr std::size_t kMaxVisits = 20000;

bool same(const std::optional<XmlDomNode>& a, const XmlDomNode& b)
{
    return a && a->node == b.node && a->declaration == b.declaration;
}

std::uint32_t touch(String text)
{
    std::uint32_t sum = 0;
    for (char byte : text.view())
        sum += static_cast<unsigned char>(byte);
    return sum;
}

// Reads everything the model says about one node and checks its links.
std::uint32_t inspect(const XmlDomNode& node, const XmlDomDocument& document)
{
    std::int64_t type = nodeType(node);
    fuzz::check(type >= 1 && type <= 12, "node type out of range");
    std::uint32_t sum = touch(nodeName(node)) + touch(text(node)) + touch(xml(node));
    if (std::optional<String> value = nodeValue(node))
        sum += touch(*value);
    std::optional<XmlDomDocument> owner = ownerDocument(node);
    if (isDocument(node))
        fuzz::check(!owner && !parent(node), "a document with an owner or a parent");
    else
        fuzz::check(owner && owner->document == document.document, "a node outside its document");
    if (type == 2)
        fuzz::check(!parent(node) && !nextSibling(node) && !previousSibling(node) && !firstChild(node),
                    "an attribute inside the tree");
    for (std::optional<XmlDomNode> child = firstChild(node); child; child = nextSibling(*child)) {
        fuzz::check(same(parent(*child), node), "a child whose parent is another node");
        if (std::optional<XmlDomNode> following = nextSibling(*child))
            fuzz::check(same(previousSibling(*following), *child), "siblings that do not point back");
        else
            fuzz::check(same(lastChild(node), *child), "the last child is not the last sibling");
    }
    return sum;
}

bool isBlank(std::string_view text)
{
    for (char byte : text)
        if (byte != ' ' && byte != '\t' && byte != '\r' && byte != '\n')
            return false;
    return true;
}

// Whether blank text is kept below `element`: its xml:space attribute, else
// what its parent keeps.
bool keepsBlankText(const XmlDomNode& element, bool inherited)
{
    if (std::optional<XmlDomNode> space = attributeNamed(element, String::literal("xml:space"))) {
        std::optional<String> value = nodeValue(*space);
        if (value && value->view() == "preserve")
            return true;
        if (value && value->view() == "default")
            return false;
    }
    return inherited;
}

std::uint32_t walk(const XmlDomDocument& document)
{
    std::uint32_t sum = 0;
    std::size_t visits = 0;
    struct Pending {
        XmlDomNode node;
        bool keepsBlankText; // what the node's parent keeps
    };
    std::vector<Pending> pending{{document.self, false}};
    while (!pending.empty() && visits < kMaxVisits) {
        XmlDomNode node = pending.back().node;
        bool keepsBlank = pending.back().keepsBlankText;
        pending.pop_back();
        ++visits;
        sum += inspect(node, document);
        std::int64_t type = nodeType(node);
        if (type == 3)
            fuzz::check(keepsBlank || !isBlank(text(node).view()), "a text of white space alone kept");
        if (type == 1)
            keepsBlank = keepsBlankText(node, keepsBlank);
        AttributeCursor cursor;
        std::int64_t index = 0;
        for (std::optional<XmlDomNode> attribute = cursor.first(node); attribute; attribute = cursor.next()) {
            fuzz::check(same(attributeAt(node, index++), *attribute), "attributes by index disagree");
            fuzz::check(attributeNamed(node, nodeName(*attribute)).has_value(), "an attribute not found by name");
            sum += inspect(*attribute, document);
        }
        for (std::optional<XmlDomNode> child = firstChild(node); child; child = nextSibling(*child))
            pending.push_back({*child, keepsBlank});
    }
    return sum;
}

std::uint32_t selectFrom(const XmlDomDocument& document, std::string_view expression, std::vector<XmlDomNode>& selected)
{
    try {
        selectByXPath(document.self, expression, {}, selected);
    } catch (const XmlDomSelectionError& e) {
        fuzz::check(*e.what() != '\0', "a selection failure without a reason");
        return 0;
    }
    std::uint32_t sum = 0;
    for (const XmlDomNode& node : selected)
        sum += inspect(node, document);
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InlineStackAllocator<1 << 16> allocator;
    static std::vector<XmlDomNode> selected;
    static std::string translated;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t first = input.find('\0');
    std::string_view documentText = input.substr(0, first);
    std::string_view rest = first == std::string_view::npos ? std::string_view() : input.substr(first + 1);
    std::size_t second = rest.find('\0');
    std::string_view xpath = rest.substr(0, second);
    std::string_view pattern = second == std::string_view::npos ? std::string_view() : rest.substr(second + 1);

    InstalledEvaluation installed(nullptr, &allocator);
    StackAllocatorBase::Mark start = allocator.mark();
    volatile std::uint32_t sum = 0;
    try {
        XmlDomDocument document = loadXmlDocument(String(documentText.data(), std::uint32_t(documentText.size())));
        sum = sum + walk(document);
        sum = sum + selectFrom(document, xpath, selected);
        try {
            translatePattern(pattern, translated);
        } catch (const XmlDomSelectionError&) {
            translated.clear();
        }
        if (!translated.empty())
            sum = sum + selectFrom(document, translated, selected);
    } catch (const XMLDomDocumentError& e) {
        fuzz::check(std::string_view(e.what()).starts_with("XMLDomDocumentError: "), "a bare load failure", e.what());
    }
    allocator.release(start);
    fuzz::check(allocator.finalizerCount() == 0, "a document left unfreed");
    return 0;
}

} // namespace guard
