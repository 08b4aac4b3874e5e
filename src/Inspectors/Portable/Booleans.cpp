// "boolean": the constants, the text forms, equality and the aggregates
// "conjunction" and "disjunction".
#include <optional>

#include "Inspectors/Portable/AsciiLetters.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// global "true" and "false".
bool trueConstant() { return true; }
bool falseConstant() { return false; }

// global "boolean KEY" and cast "boolean" from string: "true" or "false" in
// any letter case, exactly; any other text is no value.
std::optional<bool> booleanFromText(const String& text)
{
    if (equalsIgnoringAsciiCase(text.view(), "true"))
        return true;
    if (equalsIgnoringAsciiCase(text.view(), "false"))
        return false;
    return std::nullopt;
}

// cast "string" from boolean: "True" or "False" (static text).
String booleanAsString(bool value) { return value ? String::literal("True") : String::literal("False"); }

// cast "boolean" from boolean.
bool booleanAsBoolean(bool value) { return value; }
// boolean = boolean.
bool booleansEqual(bool left, bool right) { return left == right; }

// "conjunction of" (Start true) and "disjunction of" (Start false): each
// element replaces the running value while it still equals Start, so the
// result is false / true as soon as one element is, and Start for no element.
template <bool Start>
class BooleanFold {
public:
    void add(bool element)
    {
        if (running_ == Start)
            running_ = element;
    }
    bool result(bool& out) const
    {
        out = running_;
        return true;
    }

private:
    bool running_ = Start;
};

using Conjunction = BooleanFold<true>;
using Disjunction = BooleanFold<false>;

} // namespace

GUARD_INSPECTORS(property<Shape::Global, trueConstant>("true", "trues"),
                 property<Shape::Global, falseConstant>("false", "falses"),
                 property<Shape::Keyed, booleanFromText>("boolean", "booleans"),
                 aggregate<Conjunction>("conjunction", "conjunctions"),
                 aggregate<Disjunction>("disjunction", "disjunctions"), cast<booleanAsString>("string"),
                 cast<booleanAsBoolean>("boolean"), cast<booleanFromText>("boolean"), binary<kEqual, booleansEqual>())

} // namespace guard
