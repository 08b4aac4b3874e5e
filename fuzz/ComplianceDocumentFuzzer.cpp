// Fuzz target: a compliance document through the XML reader and the
// evaluation of its items.
//
// NOTE for merging: the compliance-document mode is written on another
// branch. Until it is here, this target does the mode's work itself: it
// reads the document with XMLTreeParserPL (in chunks whose lengths depend on
// the input's size), checks the tree as the mode does (no element left open,
// a root, the root's name), evaluates each item's expression through a
// StringGuardReceiver and writes a response with the XML writer. Once the
// mode is merged, answerDocument() becomes: write the input to a file, call
// runComplianceMode(source, destination, context), treat the three document
// exceptions as answers, and re-read the response file as below.
//
// Checks: every failure of an item has a sentence of the program's own
// (never an "unknown reason"); the response reads back as a complete
// document whose root is "ArdoClientComplianceResponse" with one
// "ResponseItem" per result or failed item.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "driver/ExpressionMessageMaker.h"
#include "driver/GuardReceiver.h"
#include "pipeline/LineFlattener.h"
#include "pipeline/StringReceiver.h"
#include "xml/XMLResponseWriter.h"
#include "xml/XMLTreeParserPL.h"

namespace {

constexpr std::uint64_t kMaxPoints = 20000;
constexpr int kMaxValues = 64;

struct Item {
    std::string designator, expression, description, comment;
};

Item readItem(const XMLElementPL& element)
{
    Item item;
    for (const XMLElementPL& field : element.children) {
        if (field.name == "Designator")
            item.designator = field.text;
        else if (field.name == "Expression")
            item.expression = field.text;
        else if (field.name == "Description")
            item.description = field.text;
        else if (field.name == "Comment")
            item.comment = field.text;
    }
    return item;
}

void writeResponseItem(XMLResponseWriter& writer, const Item& item, std::string_view result)
{
    writer.StartElement("ResponseItem");
    const std::pair<const char*, std::string_view> fields[] = {
        {"Designator", item.designator}, {"Result", result}, {"Description", item.description}, {"Comment", item.comment}};
    for (const auto& [name, text] : fields) {
        writer.StartElement(name);
        writer.WriteText(text);
        writer.EndElement();
    }
    writer.EndElement();
}

// Evaluates one item; returns the number of response items written.
std::size_t answerItem(InspectorContext& context, XMLResponseWriter& writer, const Item& item)
{
    StringGuardReceiver receiver(context);
    ExpressionMessageMaker messages;
    bool failed = false;
    try {
        receiver.reset();
        receiver.Start();
        receiver.Receive(item.expression.data(), item.expression.data() + item.expression.size());
        receiver.Finish();
        receiver.understand();
    } catch (...) {
        messages.describeUnderstandingFailure();
        failed = true;
    }
    if (!failed) {
        try {
            receiver.convert();
        } catch (...) {
            messages.describeConversionFailure();
            failed = true;
        }
    }
    std::size_t written = 0;
    if (!failed) {
        try {
            int count = 0;
            for (const String* result = receiver.firstResult(); result && count < kMaxValues;
                 result = receiver.nextResult(), ++count) {
                writeResponseItem(writer, item, result->view());
                ++written;
            }
        } catch (...) {
            messages.describeEvaluationFailure();
            failed = true;
        }
    }
    if (failed) {
        fuzz::checkSentence(messages.message());
        writeResponseItem(writer, item, "Error: " + std::string(messages.message()));
        ++written;
    }
    return written;
}

// The response for the document, or nothing when the document is refused.
bool answerDocument(std::string_view document, std::string& response, std::size_t& responseItems)
{
    XMLTreeParserPL parser;
    fuzz::feedInChunks(document, std::uint8_t(document.size()), [&](const char* begin, const char* end) {
        parser.Parse(begin, end);
    });
    const XMLElementPL* root = parser.Root();
    if (!parser.IsStackEmpty() || !root || root->name != "ArdoClientComplianceDocument")
        return false;

    static fuzz::BoundedEvalContext context(kMaxPoints);
    StringReceiver sink(response);
    LineFlattener flattener(sink, "\r\n");
    XMLResponseWriter writer(flattener, 0);
    writer.StartDocument("ArdoClientComplianceResponse", {{"Version", "1.0"}});
    for (const XMLElementPL& element : root->children)
        if (element.name == "ComplianceItem")
            responseItems += answerItem(context, writer, readItem(element));
    writer.Close();
    return true;
}

void checkResponse(const std::string& response, std::size_t responseItems)
{
    XMLTreeParserPL reader;
    reader.Parse(response.data(), response.data() + response.size());
    const XMLElementPL* root = reader.Root();
    fuzz::check(reader.IsStackEmpty() && root, "the response is not a complete document", response);
    fuzz::check(root->name == "ArdoClientComplianceResponse", "wrong response root", response);
    std::size_t items = 0;
    for (const XMLElementPL& element : root->children)
        items += element.name == "ResponseItem" && element.children.size() == 4;
    fuzz::check(items == responseItems, "the response lost or gained items", response);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string response;
    std::size_t responseItems = 0;
    if (answerDocument(std::string_view(reinterpret_cast<const char*>(data), size), response, responseItems))
        checkResponse(response, responseItems);
    return 0;
}
