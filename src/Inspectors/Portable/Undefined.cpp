// "undefined": the type of expressions that never have a value ("null",
// "nil") or always fail ("error"); it goes with every other type.
#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

std::optional<Undefined> nothing() { return std::nullopt; }

[[noreturn]] Undefined userError(const String& text) { throw UserDefinedInspectionError(text.view()); }

std::optional<String> undefinedAsString(const Undefined&) { return std::nullopt; }

} // namespace

GUARD_INSPECTORS(property<Shape::Global, nothing>("null", "nothing"),
                 property<Shape::Global, nothing>("nil", "nothings"),
                 property<Shape::Keyed, userError>("error", "errors"), cast<undefinedAsString>("string"))

} // namespace guard
