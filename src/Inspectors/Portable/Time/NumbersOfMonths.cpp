// "number of months": a signed count of months with the exact arithmetic of
// integers, and its text form ("1 years, 6 months").
#include "Inspectors/Portable/CountBundle.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

NumberOfMonths month() { return NumberOfMonths{1}; }
NumberOfMonths year() { return NumberOfMonths{12}; }

String asString(NumberOfMonths months)
{
    char text[TimeText::kMaxMonthsText];
    return String::copy(text, TimeText::writeNumberOfMonths(text, months));
}

} // namespace

GUARD_INSPECTORS(type<NumberOfMonths>(), property<Shape::Global, month>("month", "months"),
                 property<Shape::Global, year>("year", "years"), cast<asString>("string"),
                 unary<kUnaryMinus, CountBundle::negate<NumberOfMonths>>(),
                 binary<kPlus, CountBundle::add<NumberOfMonths>>(),
                 binary<kMinus, CountBundle::subtract<NumberOfMonths>>(),
                 binary<kTimes, CountBundle::timesInteger<NumberOfMonths>>(),
                 binary<kDivide, CountBundle::ratio<NumberOfMonths>>(),
                 binary<kDivide, CountBundle::dividedByInteger<NumberOfMonths>>(),
                 binary<kMod, CountBundle::modulo<NumberOfMonths>>(),
                 binary<kTimes, CountBundle::integerTimes<NumberOfMonths>>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<NumberOfMonths>())

} // namespace guard
