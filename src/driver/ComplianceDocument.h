#pragma once
// A compliance document read into memory, and the items it lists.
//
// The constructor pushes the whole file through an XMLTreeParserPL and then
// checks, in this order: an element still open throws
// ClientComplianceResponseReadFailure; no root element throws
// ClientComplianceDocReadFailure; a root not named exactly
// "ArdoClientComplianceDocument" throws ClientComplianceDocBadDocumentType.
// File errors pass through. These three classes deliberately derive from
// nothing (not from std::exception), so the driver reports them as an
// unhandled exception.
//
// The items are the root's direct children named "ComplianceItem", in
// document order. Of each item the text of its children "Designator",
// "Expression", "Description" and "Comment" is taken (the last one of a name
// wins, a missing one is empty); names are compared byte for byte. The views
// point into the document and stay valid as long as it lives.
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/FileLocation.h"
#include "xml/XMLElementPL.h"
#include "xml/XMLTreeParserPL.h"

namespace guard {

class ClientComplianceResponseReadFailure { };
class ClientComplianceDocReadFailure { };
class ClientComplianceDocBadDocumentType { };

struct ComplianceItem {
    std::string_view designator;
    std::string_view expression;
    std::string_view description;
    std::string_view comment;
};

// The root of a completely read tree, after the three checks above.
const XMLElementPL& checkedComplianceRoot(const XMLTreeParserPL& parser);

// The items listed directly under `root`.
std::vector<ComplianceItem> complianceItems(const XMLElementPL& root);

class ComplianceDocument {
public:
    // Read in chunks of this many bytes.
    static constexpr std::size_t kReadBufferSize = 65568;

    explicit ComplianceDocument(const FileLocation& source);
    ComplianceDocument(const ComplianceDocument&) = delete;
    ComplianceDocument& operator=(const ComplianceDocument&) = delete;

    const std::vector<ComplianceItem>& items() const { return items_; }

private:
    XMLTreeParserPL parser_;
    std::vector<ComplianceItem> items_;
};

} // namespace guard
