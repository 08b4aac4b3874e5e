#pragma once
// The compliance-document mode ("EvalXML"): evaluates every item of the
// compliance document `source` and writes the response to `destination`.
// Returns true when every result is "True". Not available in this build: it
// throws ComplianceModeUnavailable.
#include "platform/DebuggableException.h"
#include "platform/FileLocation.h"

GUARD_EXCEPTION(ComplianceModeUnavailable, DebuggableException);

bool runComplianceMode(const FileLocation& source, const FileLocation& destination);
