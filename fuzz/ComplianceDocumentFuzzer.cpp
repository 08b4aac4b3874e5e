// Fuzz target: a compliance document through the compliance-document mode.
//
// The input is written to a file and the mode answers it into another,
// under an evaluation context that interrupts long evaluations. Checks: a
// refused document (one of the mode's three document exceptions) leaves no
// response file; otherwise the response reads back as a complete document
// whose root is "ArdoClientComplianceResponse", every child of which is a
// "ResponseItem" holding Designator, Result, Description and Comment; and
// the mode answers true exactly when every result is "True" in some letter
// case. (The sentences of failed items are checked by the question target:
// here an "Error: " result cannot be told from a string value that reads
// the same.)
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "driver/CommandLine.h"
#include "driver/ComplianceMode.h"
#include "xml/XMLTreeParserPL.h"

namespace guard {

namespace {

constexpr std::uint64_t kMaxPoints = 20000;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string* fieldText(const XMLElementPL& item, std::string_view name)
{
    for (const XMLElementPL& field : item.children)
        if (field.name == name)
            return &field.text;
    return nullptr;
}

// Whether every result of the response is "True".
bool checkResponse(const std::string& response)
{
    XMLTreeParserPL reader;
    reader.Parse(response.data(), response.data() + response.size());
    const XMLElementPL* root = reader.Root();
    fuzz::check(reader.IsStackEmpty() && root, "the response is not a complete document", response);
    fuzz::check(root->name == "ArdoClientComplianceResponse", "wrong response root", response);
    bool allTrue = true;
    for (const XMLElementPL& item : root->children) {
        fuzz::check(item.name == "ResponseItem" && item.children.size() == 4, "a malformed response item", response);
        const std::string* result = fieldText(item, "Result");
        fuzz::check(result && fieldText(item, "Designator") && fieldText(item, "Description") &&
                        fieldText(item, "Comment"),
                    "a response item without its fields", response);
        allTrue = allTrue && equalsIgnoringAsciiCase(*result, "True");
    }
    return allTrue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::BoundedEvalContext context(kMaxPoints);
    static const std::string sourcePath = fuzz::scratchFolder() + "/document.xml";
    static const std::string destinationPath = fuzz::scratchFolder() + "/response.xml";
    {
        std::ofstream source(sourcePath, std::ios::binary | std::ios::trunc);
        source.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    ::unlink(destinationPath.c_str());
    bool allTrue = false, refused = false;
    try {
        allTrue = runComplianceMode(FileLocation(sourcePath), FileLocation(destinationPath), context);
    } catch (const ClientComplianceResponseReadFailure&) {
        refused = true;
    } catch (const ClientComplianceDocReadFailure&) {
        refused = true;
    } catch (const ClientComplianceDocBadDocumentType&) {
        refused = true;
    }
    bool written = ::access(destinationPath.c_str(), F_OK) == 0;
    fuzz::check(written != refused, refused ? "a refused document left a response" : "no response was written");
    if (written)
        fuzz::check(checkResponse(readFile(destinationPath)) == allTrue, "the outcome does not match the results");
    return 0;
}

} // namespace guard
