// The compliance mode's pieces that the end-to-end documents cannot show:
// the order of the document checks, what is kept of each result besides
// its text, and a document read in more than one chunk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/ComplianceMode.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

enum class Verdict { Accepted, StillOpen, NoRoot, WrongType };

Verdict check(const std::string& document)
{
    XMLTreeParserPL parser;
    parser.Parse(document.data(), document.data() + document.size());
    try {
        checkedComplianceRoot(parser);
        return Verdict::Accepted;
    } catch (const ClientComplianceResponseReadFailure&) {
        return Verdict::StillOpen;
    } catch (const ClientComplianceDocReadFailure&) {
        return Verdict::NoRoot;
    } catch (const ClientComplianceDocBadDocumentType&) {
        return Verdict::WrongType;
    }
}

class ComplianceItems : public testing::Test {
protected:
    void SetUp() override { context.fillFunctionTables(true); }

    struct Added {
        std::string result;
        std::string type;
    };

    std::vector<Added> evaluate(std::string_view expression, bool expectAllTrue)
    {
        ComplianceResponse response;
        ComplianceItem item{"d", expression, "", ""};
        EXPECT_EQ(evaluateComplianceItem(context, item, response), expectAllTrue) << expression;
        std::vector<Added> added;
        for (std::size_t i = 0; i < response.size(); ++i) {
            const ComplianceResponse::Item& entry = response.item(i);
            EXPECT_EQ(entry.designator, "d");
            added.push_back({std::string(response.result(entry)), std::string(entry.type)});
        }
        return added;
    }

    EvalContext context;
};

} // namespace

TEST(ComplianceDocumentCheck, OpenElementsFirstThenRootThenItsName)
{
    const struct {
        const char* document;
        Verdict verdict;
    } cases[] = {
        {"<ArdoClientComplianceDocument></ArdoClientComplianceDocument>", Verdict::Accepted},
        // A later start tag at the top level renames the root.
        {"<a></a><ArdoClientComplianceDocument></ArdoClientComplianceDocument>", Verdict::Accepted},
        {"<ArdoClientComplianceDocument></ArdoClientComplianceDocument><a></a>", Verdict::WrongType},
        {"<Wrong>", Verdict::StillOpen},
        {"<ArdoClientComplianceDocument></ArdoClientComplianceDocument><a>", Verdict::StillOpen},
        {"<ArdoClientComplianceDocument><ComplianceItem></ComplianceItem>", Verdict::StillOpen},
        {"", Verdict::NoRoot},
        {"just text & more", Verdict::NoRoot},
        {"<?xml version=\"1.0\"?><!-- a comment -->", Verdict::NoRoot},
        // Read as an end tag, so nothing is ever started.
        {"<ArdoClientComplianceDocument/>", Verdict::NoRoot},
        {"<Wrong></Wrong>", Verdict::WrongType},
        {"<ArdoClientComplianceDocumentX></ArdoClientComplianceDocumentX>", Verdict::WrongType},
        {"<ARDOCLIENTCOMPLIANCEDOCUMENT></ARDOCLIENTCOMPLIANCEDOCUMENT>", Verdict::WrongType},
    };
    for (const auto& c : cases)
        EXPECT_EQ(check(c.document), c.verdict) << c.document;
}

TEST_F(ComplianceItems, KeepTheTypeOfTheExpressionOrErrorForAFailure)
{
    struct Case {
        const char* expression;
        bool allTrue;
        std::vector<std::string> results;
        const char* type; // of every added item but a trailing error
    };
    const Case cases[] = {
        {"true", true, {"True"}, "boolean"},
        {"\"TRUE\"", true, {"TRUE"}, "string"},
        {"integers in (1, 2)", false, {"1", "2"}, "integer"},
        {"(true, 1)", false, {"True, 1"}, "( boolean, integer )"},
        {"integers in (1, 5) whose (it > 5)", true, {}, ""},
        {"1 +", false, {"Error: This expression could not be parsed."}, ""},
        {"set of (1; 2)", false, {"Error: The operator \"string\" is not defined."}, ""},
        {"(true; error \"x\")", false, {"True", "Error: User-defined error: x"}, "boolean"},
    };
    for (const Case& c : cases) {
        std::vector<Added> added = evaluate(c.expression, c.allTrue);
        ASSERT_EQ(added.size(), c.results.size()) << c.expression;
        for (std::size_t i = 0; i < added.size(); ++i) {
            EXPECT_EQ(added[i].result, c.results[i]) << c.expression;
            bool failed = added[i].result.starts_with("Error: ");
            EXPECT_EQ(added[i].type, failed ? "<error>" : c.type) << c.expression << " #" << i;
        }
    }
}

// A document several read buffers long: a description longer than one
// buffer, and items on both sides of every chunk boundary.
TEST_F(ComplianceItems, DocumentLongerThanOneReadBuffer)
{
    TempDirectory temp;
    const std::string longText(ComplianceDocument::kReadBufferSize + 1000, 'x');
    std::string document = "<ArdoClientComplianceDocument>";
    document += "<ComplianceItem><Designator>long</Designator><Expression>1 = 1</Expression>"
                "<Description>" +
        longText + "</Description></ComplianceItem>";
    const int count = 4000;
    for (int i = 0; i < count; ++i)
        document += "<ComplianceItem><Designator>" + std::to_string(i) + "</Designator><Expression>" +
            std::to_string(i) + " = " + std::to_string(i) + "</Expression></ComplianceItem>";
    document += "</ArdoClientComplianceDocument>";
    ASSERT_GT(document.size(), 3 * ComplianceDocument::kReadBufferSize);
    std::string source = temp.Write("in.xml", document);

    EXPECT_TRUE(runComplianceMode(FileLocation(source), FileLocation(temp / "out.xml"), context));

    // The response read back with the program's own reader.
    XMLTreeParserPL parser;
    std::string written = TempDirectory::Read(temp / "out.xml");
    parser.Parse(written.data(), written.data() + written.size());
    ASSERT_TRUE(parser.Root() && parser.IsStackEmpty());
    const std::vector<XMLElementPL>& items = parser.Root()->children;
    ASSERT_EQ(items.size(), std::size_t(count + 1));
    ASSERT_EQ(items[0].children.size(), 4u);
    EXPECT_EQ(items[0].children[2].text, longText);
    for (int i = 0; i < count; ++i) {
        const XMLElementPL& item = items[std::size_t(i) + 1];
        ASSERT_EQ(item.children.size(), 4u);
        ASSERT_EQ(item.children[0].text, std::to_string(i));
        ASSERT_EQ(item.children[1].text, "True");
    }
}

} // namespace guard
