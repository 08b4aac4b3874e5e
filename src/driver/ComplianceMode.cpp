#include "driver/ComplianceMode.h"

bool runComplianceMode(const FileLocation&, const FileLocation&)
{
    throw ComplianceModeUnavailable();
}
