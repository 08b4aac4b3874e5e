#pragma once
// The compliance-document mode ("EvalXML"): evaluates every item of the
// compliance document `source` under `context` and writes the response to
// `destination`. Returns true when every result compared equal to "True"
// (ASCII letter case ignored).
//
// Per item, one receiver and one message maker: the expression is read,
// parsed and bound (timed), converted to "string", and every value becomes
// a response item with the item's designator, description and comment. A
// plural expression without values adds nothing and leaves the outcome
// alone. A failure adds one item "Error: " + message (after the items of
// the values already produced) and makes the outcome false.
//
// The document is read completely first (its errors, see
// ComplianceDocument.h, pass out and nothing is written); the destination
// is created only after every item has been evaluated.
#include "driver/ComplianceDocument.h"
#include "driver/ComplianceResponse.h"
#include "driver/EvalContext.h"
#include "platform/FileLocation.h"

namespace guard {

// Evaluates one item into `response` (a failed item's type is "<error>");
// returns whether every result it added was "True".
bool evaluateComplianceItem(InspectorContext& context, const ComplianceItem& item, ComplianceResponse& response);

bool runComplianceMode(const FileLocation& source, const FileLocation& destination, EvalContext& context);

} // namespace guard
