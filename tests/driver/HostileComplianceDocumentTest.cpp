// Compliance documents that nest elements or expressions deeply: the
// document is read and freed without overflowing the stack, and every item
// gets its own result, a clear error for the one that is too deep.
#include <gtest/gtest.h>

#include <string>

#include "driver/ComplianceMode.h"
#include "support/RepeatedText.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

std::string item(const std::string& designator, const std::string& expression)
{
    return "<ComplianceItem><Designator>" + designator + "</Designator><Expression>" + expression +
        "</Expression></ComplianceItem>";
}

std::string responseItem(const std::string& designator, const std::string& result)
{
    return "\t<ResponseItem>\r\n\t\t<Designator>" + designator + "</Designator>\r\n\t\t<Result>" + result +
        "</Result>\r\n\t\t<Description></Description>\r\n\t\t<Comment></Comment>\r\n\t</ResponseItem>\r\n";
}

class HostileComplianceDocument : public testing::Test {
protected:
    void SetUp() override { context.fillFunctionTables(true); }

    EvalContext context;
    TempDirectory temp;
};

} // namespace

TEST_F(HostileComplianceDocument, DeepExpressionsAndElementsAreAnsweredItemByItem)
{
    const std::size_t deep = 200000;
    std::string document = "<ArdoClientComplianceDocument>" + item("deep", repeat("not ", 100000) + "true") +
        repeat("<x>", deep) + item("nested", "1") + repeat("</x>", deep) +
        item("wide", "(" + repeat("1, ", 200) + "1) = (1, 2)") + item("ok", "1 = 1") +
        "</ArdoClientComplianceDocument>";
    std::string source = temp.Write("deep.xml", document);
    EXPECT_FALSE(runComplianceMode(FileLocation(source), FileLocation(temp / "out.xml"), context));
    EXPECT_EQ(TempDirectory::Read(temp / "out.xml"),
              "<?xml version=\"1.0\"?>\r\n<ArdoClientComplianceResponse Version=\"1.0\">\r\n" +
                  responseItem("deep", "Error: This expression is nested too deeply.") +
                  responseItem("wide", "Error: This expression has a very long tuple.") + responseItem("ok", "True") +
                  "</ArdoClientComplianceResponse>");
}

TEST_F(HostileComplianceDocument, ADeeplyNestedDocumentIsRefusedWhole)
{
    const std::size_t deep = 200000;
    std::string unclosed = temp.Write("unclosed.xml", "<ArdoClientComplianceDocument>" + repeat("<x>", deep));
    std::string wrongRoot = temp.Write("wrong.xml", repeat("<x>", deep) + repeat("</x>", deep));
    EXPECT_THROW(runComplianceMode(FileLocation(unclosed), FileLocation(temp / "out.xml"), context),
                 ClientComplianceResponseReadFailure);
    EXPECT_THROW(runComplianceMode(FileLocation(wrongRoot), FileLocation(temp / "out.xml"), context),
                 ClientComplianceDocBadDocumentType);
}

} // namespace guard
