// The bundles registered for the core value types.
#include "Inspectors/Portable/SetBundle.h"
#include "Inspectors/Portable/ValueBundles.h"

namespace guard {

GUARD_INSPECTOR_ARRAY(orderedValueBundle<std::int64_t>())
GUARD_INSPECTOR_ARRAY(uniqueValueBundle<String>())
GUARD_INSPECTOR_ARRAY(setBundle<std::int64_t>())
GUARD_INSPECTOR_ARRAY(setBundle<String>())

} // namespace guard
