#include "driver/ComplianceDocument.h"

#include "pipeline/FileReadingLoop.h"
#include "xml/XMLParserReceiver.h"

namespace guard {

const XMLElementPL& checkedComplianceRoot(const XMLTreeParserPL& parser)
{
    if (!parser.IsStackEmpty())
        throw ClientComplianceResponseReadFailure();
    const XMLElementPL* root = parser.Root();
    if (!root)
        throw ClientComplianceDocReadFailure();
    if (root->name != "ArdoClientComplianceDocument")
        throw ClientComplianceDocBadDocumentType();
    return *root;
}

std::vector<ComplianceItem> complianceItems(const XMLElementPL& root)
{
    std::vector<ComplianceItem> items;
    for (const XMLElementPL& element : root.children) {
        if (element.name != "ComplianceItem")
            continue;
        ComplianceItem& item = items.emplace_back();
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
    }
    return items;
}

ComplianceDocument::ComplianceDocument(const FileLocation& source)
{
    XMLParserReceiver receiver(parser_);
    pushFile(source, receiver, kReadBufferSize);
    items_ = complianceItems(checkedComplianceRoot(parser_));
}

} // namespace guard
