#include "Inspectors/Portable/XmlDom/DocumentLoading.h"

#include <libxml/parser.h>
#include <libxml/SAX2.h>
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

// XML_PARSE_COMPACT keeps a short text (an attribute value such as "1234")
// inside its text node instead of in an allocation of its own, which saves
// a block per short text and the memory it touches. The parser allows it
// when the tree is not changed afterwards: nothing here changes a loaded
// tree but dropBlankText, which frees whole nodes (libxml2 frees a compact
// node as it does any other).
constexpr int kParseOptions =
    XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

bool isBlankRun(const xmlChar* text, int length)
{
    for (int i = 0; i < length; ++i)
        if (text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n')
            return false;
    return true;
}

// Whether the document being loaded handed the tree builder a run of text
// of white space alone. A text node of white space alone is built from such
// runs only, so a document without one has no blank text to drop and its
// tree is not walked for it (a large document spends a few percent of its
// loading time in that walk otherwise).
bool sawBlankRun = false;
// Whether the context's text callbacks are ours; if they cannot be, every
// tree is walked.
bool blankRunsNoticed = false;

// The tree builder's text callback, noting runs of white space alone.
void noticeCharacters(void* context, const xmlChar* text, int length)
{
    if (!sawBlankRun && isBlankRun(text, length))
        sawBlankRun = true;
    xmlSAX2Characters(context, text, length);
}

// One parser context, reset for each document.
xmlParserCtxtPtr parserContext()
{
    static xmlParserCtxtPtr context = [] {
        quietLibxml();
        xmlParserCtxtPtr made = xmlNewParserCtxt();
        if (!made)
            throw std::bad_alloc();
        // Both text callbacks are the tree builder's while blank text is
        // kept; the parser tells "ignorable" white space apart only when
        // they differ, so both are replaced by the same function.
        xmlSAXHandler* handler = made->sax;
        if (handler && handler->characters == xmlSAX2Characters && handler->ignorableWhitespace == xmlSAX2Characters) {
            handler->characters = noticeCharacters;
            handler->ignorableWhitespace = noticeCharacters;
            blankRunsNoticed = true;
        }
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
    XmlDom::sawBlankRun = false;
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
    if (XmlDom::sawBlankRun || !XmlDom::blankRunsNoticed)
        XmlDom::dropBlankText(reinterpret_cast<xmlNode*>(document), false);
    return XmlDomDocument{XmlDomNode{reinterpret_cast<xmlNode*>(document), nullptr}, document};
}

} // namespace guard
