#pragma once
// "boolean": the constants, the text forms, equality and the aggregates
// "conjunction" and "disjunction".
#include <optional>

#include "registry/CoreValues.h"

namespace guard {

// global "true" and "false".
bool trueConstant();
bool falseConstant();
// global "boolean KEY" and cast "boolean" from string: "true" or "false" in
// any letter case, exactly; any other text is no value.
std::optional<bool> booleanFromText(const String& text);
// cast "string" from boolean: "True" or "False" (static text).
String booleanAsString(bool value);
// cast "boolean" from boolean.
bool booleanAsBoolean(bool value);
// boolean = boolean.
bool booleansEqual(bool left, bool right);

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

} // namespace guard
