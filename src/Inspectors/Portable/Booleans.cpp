#include "registry/Inspectors.h"
#include "Inspectors/Portable/Booleans.h"

#include "Inspectors/Portable/AsciiLetters.h"

namespace guard {

bool trueConstant() { return true; }
bool falseConstant() { return false; }

std::optional<bool> booleanFromText(const String& text)
{
    if (equalsIgnoringAsciiCase(text.view(), "true"))
        return true;
    if (equalsIgnoringAsciiCase(text.view(), "false"))
        return false;
    return std::nullopt;
}

String booleanAsString(bool value) { return value ? String::literal("True") : String::literal("False"); }

bool booleanAsBoolean(bool value) { return value; }
bool booleansEqual(bool left, bool right) { return left == right; }

GUARD_INSPECTORS(property<Shape::Global, trueConstant>("true", "trues"),
                 property<Shape::Global, falseConstant>("false", "falses"),
                 property<Shape::Keyed, booleanFromText>("boolean", "booleans"),
                 aggregate<Conjunction>("conjunction", "conjunctions"),
                 aggregate<Disjunction>("disjunction", "disjunctions"), cast<booleanAsString>("string"),
                 cast<booleanAsBoolean>("boolean"), cast<booleanFromText>("boolean"), binary<kEqual, booleansEqual>())

} // namespace guard
