// The first rows of the string vocabulary: comparison, concatenation and the
// "string" cast that every answer goes through.
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

String sameString(const String& text) { return text; }
String concatenate(const String& left, const String& right) { return String::join({left.view(), right.view()}); }
bool stringsEqual(const String& left, const String& right) { return left == right; }
bool stringLess(const String& left, const String& right) { return left < right; }
bool stringAtMost(const String& left, const String& right) { return !(right < left); }

} // namespace

GUARD_INSPECTORS(cast<sameString>("string"), binary<kEqual, stringsEqual>(), binary<kLessThan, stringLess>(),
                 binary<kLessThanOrEqual, stringAtMost>(), binary<kConcatenate, concatenate>())

} // namespace guard
