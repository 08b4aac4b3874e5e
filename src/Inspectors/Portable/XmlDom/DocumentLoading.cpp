#include "Inspectors/Portable/XmlDom/DocumentLoading.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <new>

#include "registry/InspectorContext.h"

namespace guard {

namespace XmlDom {

namespace {

void ignoreGenericError(void*, const char*, ...) { }
void ignoreStructuredError(void*, xmlError*) { }

// Whether the document being loaded asked for an external entity.
bool refusedExternal = false;

// Every external entity, document type or document is refused; the load
// then fails, rather than answer with text that leaves the entity out.
xmlParserInputPtr refuseExternalEntity(const char*, const char*, xmlParserCtxtPtr)
{
    refusedExternal = true;
    return nullptr;
}

constexpr int kParseOptions = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// One parser context, reset for each document.
xmlParserCtxtPtr parserContext()
{
    static xmlParserCtxtPtr context = [] {
        quietLibxml();
        xmlParserCtxtPtr made = xmlNewParserCtxt();
        if (!made)
            throw std::bad_alloc();
        return made;
    }();
    return context;
}

// Gives the context a dictionary of its own for the next document. The
// parser interns names and short texts in it and the document keeps it, so
// a dictionary shared by every document would grow with each new text a
// question loads; this one goes when its document is freed.
void startNewDictionary(xmlParserCtxtPtr context)
{
    xmlDictPtr dictionary = xmlDictCreate();
    if (!dictionary)
        throw std::bad_alloc();
    xmlDictFree(context->dict);
    context->dict = dictionary;
    // The parser compares these names by address.
    context->str_xml = xmlDictLookup(dictionary, BAD_CAST "xml", 3);
    context->str_xmlns = xmlDictLookup(dictionary, BAD_CAST "xmlns", 5);
    context->str_xml_ns = xmlDictLookup(dictionary, XML_XML_NAMESPACE, 36);
}

// A longer text is handed to the parser piece by piece, as a file would be:
// given the whole text at once, libxml2 copies it and then moves what is
// left of it down in memory each time it discards what it has read, which
// costs time in the square of the length. A short text is given whole,
// which saves the pieces' bookkeeping.
constexpr std::size_t kWholeTextLimit = 64 * 1024;

struct TextReader {
    const char* at;
    const char* end;

    static int read(void* context, char* buffer, int length)
    {
        auto* reader = static_cast<TextReader*>(context);
        std::size_t count = std::min(std::size_t(reader->end - reader->at), std::size_t(length));
        if (count == 0)
            return 0;
        std::memcpy(buffer, reader->at, count);
        reader->at += count;
        return int(count);
    }
    static int close(void*) { return 0; }
};

bool isBlank(const xmlChar* text)
{
    for (; *text; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n')
            return false;
    return true;
}

// The xml:space setting an element makes for itself and what it contains:
// 1 preserve, 0 default, -1 none given.
int spaceSetting(const xmlNode* element)
{
    for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next) {
        if (attribute->ns && attribute->ns->prefix && xmlStrEqual(attribute->ns->prefix, BAD_CAST "xml") &&
            xmlStrEqual(attribute->name, BAD_CAST "space") && attribute->children &&
            attribute->children->type == XML_TEXT_NODE) {
            if (xmlStrEqual(attribute->children->content, BAD_CAST "preserve"))
                return 1;
            if (xmlStrEqual(attribute->children->content, BAD_CAST "default"))
                return 0;
        }
    }
    return -1;
}

// Drops the text nodes of white space alone below `parent`. Depth is
// bounded by the parser's nesting limit.
void dropBlankText(xmlNode* parent, bool preserve)
{
    xmlNode* child = parent->children;
    while (child) {
        xmlNode* following = child->next;
        if (child->type == XML_TEXT_NODE) {
            if (!preserve && isBlank(child->content)) {
                xmlUnlinkNode(child);
                xmlFreeNode(child);
            }
        } else if (child->type == XML_ELEMENT_NODE) {
            int setting = child->properties ? spaceSetting(child) : -1;
            dropBlankText(child, setting < 0 ? preserve : setting == 1);
        }
        child = following;
    }
}

void freeDocument(void* document) noexcept { xmlFreeDoc(static_cast<xmlDoc*>(document)); }

// The parser's reason, without the line end it ends with.
std::string reasonOf(xmlParserCtxtPtr context)
{
    const xmlError& error = context->lastError;
    if (!error.message) {
        char code[16];
        std::snprintf(code, sizeof code, "%08x", unsigned(error.code));
        return code;
    }
    std::string reason = error.message;
    if (reason.size() > 3 && reason.back() == '\n')
        reason.pop_back();
    if (reason.size() > 3 && reason.back() == '\r')
        reason.pop_back();
    return reason;
}

} // namespace

void quietLibxml()
{
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    xmlSetStructuredErrorFunc(nullptr, ignoreStructuredError);
    xmlSetExternalEntityLoader(refuseExternalEntity);
}

} // namespace XmlDom

XmlDomDocument loadXmlDocument(String text)
{
    std::string_view bytes = text.view();
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    StackAllocatorBase& allocator = currentAllocator();
    xmlParserCtxtPtr context = XmlDom::parserContext();
    XmlDom::startNewDictionary(context);
    XmlDom::refusedExternal = false;
    xmlDoc* document = nullptr;
    if (bytes.size() <= XmlDom::kWholeTextLimit) {
        document = xmlCtxtReadMemory(context, bytes.empty() ? "" : bytes.data(), int(bytes.size()), nullptr, nullptr,
                                     XmlDom::kParseOptions);
    } else {
        XmlDom::TextReader reader{bytes.data(), bytes.data() + bytes.size()};
        document = xmlCtxtReadIO(context, &XmlDom::TextReader::read, &XmlDom::TextReader::close, &reader, nullptr,
                                 nullptr, XmlDom::kParseOptions);
    }
    if (!document || !context->wellFormed) {
        std::string reason = XmlDom::reasonOf(context);
        xmlFreeDoc(document);
        throw XMLDomDocumentError(reason);
    }
    if (XmlDom::refusedExternal) {
        xmlFreeDoc(document);
        throw XMLDomDocumentError("The document refers to an external entity, which is not loaded.");
    }
    try {
        allocator.addFinalizer(&XmlDom::freeDocument, document);
    } catch (...) {
        xmlFreeDoc(document);
        throw;
    }
    XmlDom::dropBlankText(reinterpret_cast<xmlNode*>(document), false);
    return XmlDomDocument{XmlDomNode{reinterpret_cast<xmlNode*>(document), nullptr}, document};
}

} // namespace guard
