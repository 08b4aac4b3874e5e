#include "Inspectors/Portable/XmlDom/XPathSelection.h"

#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <new>
#include <optional>
#include <string>

#include "Inspectors/Portable/XmlDom/DocumentLoading.h"

namespace guard::XmlDom {

namespace {

// Steps one selection may take before it is given up (a pathological
// expression over a large document could otherwise run for hours).
constexpr unsigned long kStepLimit = 200'000'000;

const xmlChar* bytesOf(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

std::string lastErrorText(const char* fallback)
{
    const xmlError* error = xmlGetLastError();
    std::string text = error && error->message ? error->message : fallback;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// The XPath context and the last expression compiled, reused from one
// selection to the next (a question usually selects with the same text
// many times).
struct Selector {
    xmlXPathContextPtr context = nullptr;
    xmlXPathCompExprPtr compiled = nullptr;
    std::string compiledText;
    std::string scratch; // a terminated copy of a text libxml2 reads
    std::string prefix;

    Selector()
    {
        quietLibxml();
        context = xmlXPathNewContext(nullptr);
        if (!context)
            throw std::bad_alloc();
    }
    ~Selector()
    {
        xmlXPathFreeCompExpr(compiled);
        xmlXPathFreeContext(context);
    }

    xmlXPathCompExprPtr compile(std::string_view expression)
    {
        if (compiled && compiledText == expression)
            return compiled;
        xmlXPathFreeCompExpr(compiled);
        compiled = nullptr;
        compiledText.assign(expression);
        if (compiledText.find('\0') != std::string::npos)
            throw XmlDomSelectionError("The XPath expression contains a NUL byte.");
        xmlResetLastError();
        compiled = xmlXPathCompile(bytesOf(compiledText));
        if (!compiled)
            throw XmlDomSelectionError("The XPath expression could not be read: " +
                                       lastErrorText("Invalid expression"));
        return compiled;
    }

    // Declares the prefixes of `namespaces`: xmlns:p='uri', separated by
    // white space.
    void declare(std::string_view namespaces)
    {
        xmlXPathRegisteredNsCleanup(context);
        auto fail = [&] {
            throw XmlDomSelectionError("The namespace declarations could not be read: " + std::string(namespaces));
        };
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
        std::size_t at = 0;
        for (;;) {
            while (at < namespaces.size() && blank(namespaces[at]))
                ++at;
            if (at == namespaces.size())
                return;
            if (namespaces.substr(at, 6) != "xmlns:")
                fail();
            at += 6;
            std::size_t equals = namespaces.find('=', at);
            if (equals == std::string_view::npos || equals == at || equals + 1 >= namespaces.size())
                fail();
            prefix.assign(namespaces.substr(at, equals - at));
            char quote = namespaces[equals + 1];
            if (quote != '\'' && quote != '"')
                fail();
            std::size_t close = namespaces.find(quote, equals + 2);
            if (close == std::string_view::npos)
                fail();
            scratch.assign(namespaces.substr(equals + 2, close - equals - 2));
            if (prefix.find('\0') != std::string::npos || scratch.find('\0') != std::string::npos ||
                xmlValidateNCName(bytesOf(prefix), 0) != 0)
                fail();
            xmlXPathRegisterNs(context, bytesOf(prefix), bytesOf(scratch));
            at = close + 1;
            if (at < namespaces.size() && !blank(namespaces[at]))
                fail();
        }
    }
};

Selector& selector()
{
    static Selector instance;
    return instance;
}

// The declaration a namespace node of the namespace axis comes from.
std::optional<XmlDomNode> declarationOf(const xmlNs* copy)
{
    // libxml2 links the copy to the element it was found on.
    auto* element = reinterpret_cast<xmlNode*>(copy->next);
    if (!element || element->type != XML_ELEMENT_NODE)
        return std::nullopt;
    for (xmlNode* scope = element; scope && scope->type == XML_ELEMENT_NODE; scope = scope->parent)
        for (xmlNs* declaration = scope->nsDef; declaration; declaration = declaration->next)
            if (xmlStrEqual(declaration->prefix, copy->prefix))
                return XmlDomNode{scope, declaration};
    return std::nullopt;
}

} // namespace

void selectByXPath(const XmlDomNode& from, std::string_view expression, std::string_view namespaces,
                   std::vector<XmlDomNode>& selected)
{
    selected.clear();
    Selector& s = selector();
    xmlXPathCompExprPtr compiled = s.compile(expression);
    s.declare(namespaces);
    if (from.declaration)
        return;
    xmlXPathContextPtr context = s.context;
    context->doc = from.node->doc;
    context->node = from.node;
    context->contextSize = -1;
    context->proximityPosition = -1;
    context->opLimit = kStepLimit;
    context->opCount = 0;
    xmlResetLastError();
    xmlXPathObjectPtr result = xmlXPathCompiledEval(compiled, context);
    if (!result)
        throw XmlDomSelectionError("The XPath expression could not be evaluated: " +
                                   lastErrorText("Invalid expression"));
    if (result->type != XPATH_NODESET) {
        xmlXPathFreeObject(result);
        throw XmlDomSelectionError("The XPath expression does not select nodes.");
    }
    try {
        if (xmlNodeSetPtr nodes = result->nodesetval) {
            selected.reserve(std::size_t(nodes->nodeNr));
            for (int i = 0; i < nodes->nodeNr; ++i) {
                xmlNode* node = nodes->nodeTab[i];
                if (node->type == XML_NAMESPACE_DECL) {
                    if (std::optional<XmlDomNode> declaration = declarationOf(reinterpret_cast<xmlNs*>(node)))
                        selected.push_back(*declaration);
                } else {
                    selected.push_back(XmlDomNode{node, nullptr});
                }
            }
        }
    } catch (...) {
        xmlXPathFreeObject(result);
        throw;
    }
    xmlXPathFreeObject(result);
}

} // namespace guard::XmlDom
