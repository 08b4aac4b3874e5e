// The types the evaluator itself needs: the world type, "boolean",
// "integer", "string" and "undefined".
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

GUARD_INSPECTORS(type<World>(), type<bool>(), type<std::int64_t>(), type<String>(), type<Undefined>())

} // namespace guard
