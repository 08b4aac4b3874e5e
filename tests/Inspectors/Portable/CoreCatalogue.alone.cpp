// The registered vocabulary of the core types (introspection, undefined,
// booleans, numbers, bit sets, sets and the bundles over them), checked
// against the catalogue's rows: every row is registered exactly once, is
// found by the registry under each of its phrases, and binds in a small
// expression to that very record; nothing else is registered for these
// types; rows that come with later vocabulary (dates, months, rates) are
// listed as such and must still be absent.
//
// A binary of its own: the registry tests register a vocabulary of their own
// (a cast from "integer" among it) that is no part of the catalogue.
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "guard/BindingErrors.h"
#include "guard/GuardEvaluator.h"
#include "guard/OperatorExpressions.h"
#include "guard/PropertyExpression.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"
#include "registry/Registration.h"

namespace {

// Whether a row is registered now, or comes with later vocabulary.
enum class Status { Present, Later };
// What the row's sample expression gives when evaluated.
enum class Yields { Value, Nothing, UserError, Unreachable };

using Kind = PropertyKind;
constexpr Kind P = Kind::Plain;
constexpr Kind I = Kind::Iterated;
constexpr Kind A = Kind::Aggregate;
constexpr Status later = Status::Later;

// A property, plural property or aggregate. `use` is an expression in which
// "@" stands for the phrase; it is tried with the singular and the plural.
struct PropertyRow {
    Kind kind;
    const char* singular;
    const char* plural;
    const char* key;
    const char* object;
    const char* result;
    const char* use;
    Status status = Status::Present;
    Yields yields = Yields::Value;
};

struct CastRow {
    const char* name;
    const char* source;
    const char* result;
    const char* use;
    Status status = Status::Present;
    Yields yields = Yields::Value;
};

struct BinaryRow {
    unsigned index;
    const char* left;
    const char* right;
    const char* result;
    const char* use;
    Status status = Status::Present;
};

struct UnaryRow {
    const char* operand;
    const char* result;
    const char* use;
};

// Whether values of a type can be hashed (and so signed).
enum class Hashing { Yes, No, Unsaid };

struct TypeRow {
    const char* name;
    const char* base;
    Hashing hashing;
};

// Rows are listed under the type of their direct object (a global property
// under its result type), their source or their left operand; a registered
// record of one of these types must be one of the rows.
const std::set<std::string> kCoreTypes = {
    "type", "property", "binary operator", "unary operator", "cast", "undefined", "boolean", "integer",
    "integer range", "floating point", "hertz", "bit set", "integer set", "string set",
    "integer with multiplicity", "floating point with multiplicity", "hertz with multiplicity",
    "string with multiplicity",
};

constexpr Hashing yes = Hashing::Yes;
constexpr Hashing no = Hashing::No;
const std::vector<TypeRow> kTypes = {
    {"", nullptr, no},
    {"boolean", nullptr, yes},
    {"integer", nullptr, yes},
    {"string", nullptr, yes},
    {"undefined", nullptr, no},
    {"type", nullptr, no},
    {"property", nullptr, no},
    {"binary operator", nullptr, no},
    {"unary operator", nullptr, no},
    {"cast", nullptr, no},
    {"floating point", nullptr, no},
    {"hertz", nullptr, yes},
    {"bit set", nullptr, yes},
    {"integer range", nullptr, Hashing::Unsaid},
    {"integer set", nullptr, Hashing::Unsaid},
    {"string set", nullptr, Hashing::Unsaid},
    {"integer with multiplicity", "integer", no},
    {"floating point with multiplicity", "floating point", no},
    {"hertz with multiplicity", "hertz", no},
    {"string with multiplicity", "string", no},
};

#define FP "floating point \"1.5\""

const char* const kMonths[][2] = {
    {"january", "januarys"}, {"february", "februarys"}, {"march", "marchs"},         {"april", "aprils"},
    {"may", "mays"},         {"june", "junes"},         {"july", "julys"},           {"august", "augusts"},
    {"september", "septembers"}, {"october", "octobers"}, {"november", "novembers"}, {"december", "decembers"},
};

std::vector<PropertyRow> propertyRows()
{
    std::vector<PropertyRow> rows = {
        // "type"
        {I, "cast from", "casts from", "", "type", "cast", "@ of type \"integer\""},
        {I, "property", "properties", "", "type", "property", "@ of type \"integer\""},
        {I, "property", "properties", "string", "type", "property", "@ \"bit\" of type \"integer\""},
        {I, "property returning", "properties returning", "type", "type", "property",
         "@ (type \"integer\") of type \"integer\""},
        {P, "type", "types", "string", "", "type", "@ \"integer\""},
        {I, "type", "types", "", "", "type", "@"},
        {P, "name", "names", "", "type", "string", "@ of type \"integer\""},
        {P, "size", "sizes", "", "type", "integer", "@ of type \"integer\""},
        {P, "parent", "parents", "", "type", "type", "@ of type \"integer with multiplicity\""},
        // "property"
        {I, "property", "properties", "", "", "property", "@"},
        {I, "property", "properties", "string", "", "property", "@ \"name\""},
        {I, "property returning", "properties returning", "type", "", "property", "@ (type \"integer\")"},
        {P, "singular name", "singular names", "", "property", "string", "@ of property \"right shift\""},
        {P, "plural name", "plural names", "", "property", "string", "@ of property \"right shift\""},
        {P, "usual name", "usual names", "", "property", "string", "@ of property \"right shift\""},
        {P, "result type", "result types", "", "property", "type", "@ of property \"right shift\""},
        {P, "index type", "index types", "", "property", "type", "@ of property \"right shift\""},
        {P, "direct object type", "direct object types", "", "property", "type", "@ of property \"right shift\""},
        {P, "multivalued", "multivalueds", "", "property", "boolean", "@ of property \"right shift\""},
        {P, "dependency known", "dependencies known", "", "property", "boolean", "@ of property \"right shift\""},
        // "binary operator"
        {I, "binary operator", "binary operators", "", "", "binary operator", "@"},
        {I, "binary operator", "binary operators", "string", "", "binary operator", "@ \"+\""},
        {I, "binary operator returning", "binary operators returning", "type", "", "binary operator",
         "@ (type \"hertz\")"},
        {P, "name", "names", "", "binary operator", "string", "@ of binary operator \"&\""},
        {P, "symbol", "symbols", "", "binary operator", "string", "@ of binary operator \"&\""},
        {P, "result type", "result types", "", "binary operator", "type", "@ of binary operator \"&\""},
        {P, "left operand type", "left operand types", "", "binary operator", "type", "@ of binary operator \"&\""},
        {P, "right operand type", "right operand types", "", "binary operator", "type",
         "@ of binary operator \"&\""},
        // "unary operator"
        {I, "unary operator", "unary operators", "", "", "unary operator", "@"},
        {I, "unary operator", "unary operators", "string", "", "unary operator", "@ \"-\""},
        {I, "unary operator returning", "unary operators returning", "type", "", "unary operator",
         "@ (type \"hertz\")"},
        {P, "name", "names", "", "unary operator", "string", "@ of unary operator returning (type \"hertz\")"},
        {P, "symbol", "symbols", "", "unary operator", "string", "@ of unary operator returning (type \"hertz\")"},
        {P, "result type", "result types", "", "unary operator", "type",
         "@ of unary operator returning (type \"hertz\")"},
        {P, "operand type", "operand types", "", "unary operator", "type",
         "@ of unary operator returning (type \"hertz\")"},
        // "cast"
        {I, "cast", "casts", "", "", "cast", "@"},
        {I, "cast", "casts", "string", "", "cast", "@ \"bits\""},
        {I, "cast returning", "casts returning", "type", "", "cast", "@ (type \"bit set\")"},
        {P, "name", "names", "", "cast", "string", "@ of cast \"bits\""},
        {P, "operand type", "operand types", "", "cast", "type", "@ of cast \"bits\""},
        {P, "result type", "result types", "", "cast", "type", "@ of cast \"bits\""},
        // "undefined"
        {P, "null", "nothing", "", "", "undefined", "@", Status::Present, Yields::Nothing},
        {P, "nil", "nothings", "", "", "undefined", "@", Status::Present, Yields::Nothing},
        {P, "error", "errors", "string", "", "undefined", "@ \"x\"", Status::Present, Yields::UserError},
        // "boolean"
        {P, "true", "trues", "", "", "boolean", "@"},
        {P, "false", "falses", "", "", "boolean", "@"},
        {P, "boolean", "booleans", "string", "", "boolean", "@ \"true\""},
        {A, "conjunction", "conjunctions", "", "boolean", "boolean", "@ of (true; false)"},
        {A, "disjunction", "disjunctions", "", "boolean", "boolean", "@ of (true; false)"},
        // "integer"
        {P, "integer", "integers", "integer", "", "integer", "@ 5"},
        {P, "bit", "bits", "integer", "integer", "boolean", "@ 0 of 5"},
        {P, "absolute value", "absolute values", "", "integer", "integer", "@ of 5"},
        {P, "greatest integer", "greatest integers", "", "", "integer", "@"},
        {P, "least integer", "least integers", "", "", "integer", "@"},
        {P, "integer", "integers", "string", "", "integer", "@ \"5\""},
        {P, "hexadecimal integer", "hexadecimal integers", "string", "", "integer", "@ \"ff\""},
        {P, "significant digits", "significant digitss", "integer", "integer", "integer", "@ 1 of 15"},
        {I, "integer to", "integers to", "integer", "", "integer", "@ 3"},
        {I, "integer in", "integers in", "( integer, integer )", "", "integer", "@ (1, 3)"},
        {I, "integer in", "integers in", "( integer, integer, integer )", "", "integer", "@ (1, 5, 2)"},
        {A, "sum", "sums", "", "integer", "integer", "@ of (1; 2)"},
        {A, "product", "products", "", "integer", "integer", "@ of (1; 2)"},
        {A, "mean", "means", "", "integer", "floating point", "@ of (1; 2)"},
        {A, "standard deviation", "standard deviations", "", "integer", "floating point", "@ of (1; 2)"},
        // "integer range": no expression has this type.
        {P, "lower bound", "lower bounds", "", "integer range", "integer", nullptr, Status::Present,
         Yields::Unreachable},
        {P, "upper bound", "upper bounds", "", "integer range", "integer", nullptr, Status::Present,
         Yields::Unreachable},
        // "floating point"
        {P, "significance threshold", "significance thresholds", "", "floating point", "floating point", "@ of " FP},
        {P, "significance place", "significance places", "", "floating point", "floating point", "@ of " FP},
        {P, "relative significance place", "relative significance places", "", "floating point", "floating point",
         "@ of " FP},
        {P, "more significance", "more significances", "integer", "floating point", "floating point", "@ 1 of " FP},
        {P, "less significance", "less significances", "integer", "floating point", "floating point", "@ 1 of " FP},
        {P, "significance place", "significance places", "integer", "floating point", "floating point",
         "@ 1 of " FP},
        {P, "relative significance place", "relative significance places", "integer", "floating point",
         "floating point", "@ 1 of " FP},
        {P, "divided by zero", "divided by zeroes", "", "floating point", "boolean", "@ of " FP},
        {P, "inexact", "inexacts", "", "floating point", "boolean", "@ of " FP},
        {P, "invalid", "invalids", "", "floating point", "boolean", "@ of " FP},
        {P, "overflow", "overflows", "", "floating point", "boolean", "@ of " FP},
        {P, "underflow", "underflows", "", "floating point", "boolean", "@ of " FP},
        {P, "finite", "finites", "", "floating point", "boolean", "@ of " FP},
        {P, "infinite", "infinites", "", "floating point", "boolean", "@ of " FP},
        {P, "nan", "nans", "", "floating point", "boolean", "@ of " FP},
        {P, "normal", "normals", "", "floating point", "boolean", "@ of " FP},
        {P, "integer floor", "integer floors", "", "floating point", "integer", "@ of " FP},
        {P, "integer ceiling", "integer ceilings", "", "floating point", "integer", "@ of " FP},
        {P, "floating point", "floating points", "string", "", "floating point", "@ \"1.5\""},
        {P, "floating point", "floating points", "floating point", "", "floating point", "@ (" FP ")"},
        {A, "sum", "sums", "", "floating point", "floating point", "@ of (" FP "; " FP ")"},
        {A, "product", "products", "", "floating point", "floating point", "@ of (" FP "; " FP ")"},
        {A, "mean", "means", "", "floating point", "floating point", "@ of (" FP "; " FP ")"},
        {A, "standard deviation", "standard deviations", "", "floating point", "floating point",
         "@ of (" FP "; " FP ")"},
        // "hertz"
        {P, "hz", "hzs", "", "", "hertz", "@"},
        {P, "khz", "khzs", "", "", "hertz", "@"},
        {P, "mhz", "mhzs", "", "", "hertz", "@"},
        {P, "ghz", "ghzs", "", "", "hertz", "@"},
        {P, "absolute value", "absolute values", "", "hertz", "hertz", "@ of hz"},
        {P, "greatest hz", "greatest hzs", "", "", "hertz", "@"},
        {P, "least hz", "least hzs", "", "", "hertz", "@"},
        {P, "significant digits", "significant digitss", "integer", "hertz", "hertz", "@ 1 of hz"},
        // "bit set"
        {P, "bit set", "bit sets", "string", "", "bit set", "@ \"101\""},
        {P, "bit", "bits", "integer", "", "bit set", "@ 3"},
        {P, "least significant one bit", "least significant one bits", "", "bit set", "integer",
         "@ of bit set \"101\""},
        {P, "most significant one bit", "most significant one bits", "", "bit set", "integer", "@ of bit set \"101\""},
        {P, "right shift", "right shifts", "integer", "bit set", "bit set", "@ 1 of bit set \"101\""},
        {P, "left shift", "left shifts", "integer", "bit set", "bit set", "@ 1 of bit set \"101\""},
        {P, "bit", "bits", "integer", "bit set", "boolean", "@ 0 of bit set \"101\""},
        {I, "one bit", "one bits", "", "bit set", "integer", "@ of bit set \"101\""},
        // Of "string" (only the rows that exist so far).
        {P, "hexadecimal string", "hexadecimal strings", "string", "", "string", "@ \"41\""},
        {A, "unique value", "unique values", "", "string", "string with multiplicity", "@ of (\"a\"; \"a\")"},
        // "string with multiplicity"
        {P, "multiplicity", "multiplicities", "", "string with multiplicity", "integer",
         "@ of unique value of (\"a\"; \"a\")"},
    };

    // The ordered-value bundle of integers, floating point numbers and hertz.
    struct Ordered {
        const char* type;
        const char* withMultiplicity;
        const char* extrema;
        const char* values;
    };
    static const Ordered kOrdered[] = {
        {"integer", "integer with multiplicity", "( integer, integer )", "(1; 2; 1)"},
        {"floating point", "floating point with multiplicity", "( floating point, floating point )",
         "(" FP "; " FP ")"},
        {"hertz", "hertz with multiplicity", "( hertz, hertz )", "(hz; khz; hz)"},
    };
    static std::deque<std::string> texts;  // keeps the composed expressions alive
    auto text = [](std::string s) { return texts.emplace_back(std::move(s)).c_str(); };
    for (const Ordered& o : kOrdered) {
        const char* ofValues = text(std::string("@ of ") + o.values);
        rows.push_back({A, "unique value", "unique values", "", o.type, o.withMultiplicity, ofValues});
        rows.push_back({P, "multiplicity", "multiplicities", "", o.withMultiplicity, "integer",
                        text(std::string("@ of unique value of ") + o.values)});
        rows.push_back({A, "minimum", "minima", "", o.type, o.type, ofValues});
        rows.push_back({A, "maximum", "maxima", "", o.type, o.type, ofValues});
        rows.push_back({A, "extrema", "extremas", "", o.type, o.extrema, ofValues});
    }

    // The set bundle of integers and strings.
    struct SetOf {
        const char* element;
        const char* set;
        const char* values;
    };
    static const SetOf kSets[] = {
        {"integer", "integer set", "(1; 2)"},
        {"string", "string set", "(\"a\"; \"b\")"},
    };
    for (const SetOf& s : kSets) {
        std::string set = std::string("set of ") + s.values;
        rows.push_back({P, "size", "sizes", "", s.set, "integer", text("@ of " + set)});
        rows.push_back({I, "element", "elements", "", s.set, s.element, text("@ of " + set)});
        rows.push_back({A, "set", "sets", "", s.element, s.set, text(std::string("@ of ") + s.values)});
        rows.push_back({A, "union", "unions", "", s.set, s.set, text("@ of (" + set + "; " + set + ")")});
        rows.push_back({A, "intersection", "intersections", "", s.set, s.set, text("@ of (" + set + "; " + set + ")")});
    }

    // Dates and months of an integer year come with the time vocabulary.
    for (const auto& month : kMonths) {
        rows.push_back({P, month[0], month[1], "integer", "integer", "date", nullptr, later});
        rows.push_back({P, month[0], month[1], "", "integer", "month and year", nullptr, later});
    }
    return rows;
}

const std::vector<CastRow> kCasts = {
    {"string", "type", "string", "type \"integer\" as string"},
    {"string", "property", "string", "property \"right shift\" as string"},
    {"string", "binary operator", "string", "binary operator \"&\" as string"},
    {"string", "unary operator", "string", "unary operator returning (type \"hertz\") as string"},
    {"string", "cast", "string", "cast \"bits\" as string"},
    {"string", "undefined", "string", "nothing as string", Status::Present, Yields::Nothing},
    {"string", "boolean", "string", "true as string"},
    {"boolean", "boolean", "boolean", "true as boolean"},
    {"bit set", "integer", "bit set", "5 as bit set"},
    {"bits", "integer", "bit set", "5 as bits"},
    {"floating point", "integer", "floating point", "5 as floating point"},
    {"string", "integer", "string", "5 as string"},
    {"integer", "integer", "integer", "5 as integer"},
    {"hexadecimal", "integer", "string", "5 as hexadecimal"},
    {"day_of_month", "integer", "day of month", nullptr, later},
    {"month", "integer", "month", nullptr, later},
    {"year", "integer", "year", nullptr, later},
    {"integer", "floating point", "integer", FP " as integer"},
    {"string", "floating point", "string", FP " as string"},
    {"scientific notation", "floating point", "string", FP " as scientific notation"},
    {"standard notation", "floating point", "string", FP " as standard notation"},
    {"floating point", "floating point", "floating point", FP " as floating point"},
    {"string", "hertz", "string", "hz as string"},
    {"integer", "bit set", "integer", "bit set \"101\" as integer"},
    {"string", "bit set", "string", "bit set \"101\" as string"},
    // From "string" (only the rows that exist so far).
    {"boolean", "string", "boolean", "\"true\" as boolean"},
    {"floating point", "string", "floating point", "\"1.5\" as floating point"},
    {"string", "string", "string", "\"a\" as string"},
    {"integer", "string", "integer", "\"5\" as integer"},
    {"hexadecimal", "string", "string", "\"A\" as hexadecimal"},
};

const std::vector<BinaryRow> kBinaryOperators = {
    {kEqual, "type", "type", "boolean", "type \"integer\" = type \"integer\""},
    {kEqual, "boolean", "boolean", "boolean", "true = false"},
    // "integer"
    {kPlus, "integer", "floating point", "floating point", "1 + " FP},
    {kMinus, "integer", "floating point", "floating point", "1 - " FP},
    {kTimes, "integer", "floating point", "floating point", "1 * " FP},
    {kDivide, "integer", "floating point", "floating point", "1 / " FP},
    {kEqual, "integer", "floating point", "boolean", "1 = " FP},
    {kLessThanOrEqual, "integer", "floating point", "boolean", "1 <= " FP},
    {kLessThan, "integer", "floating point", "boolean", "1 < " FP},
    {kTimes, "integer", "hertz", "hertz", "2 * hz"},
    {kPlus, "integer", "integer", "integer", "1 + 2"},
    {kMinus, "integer", "integer", "integer", "1 - 2"},
    {kTimes, "integer", "integer", "integer", "1 * 2"},
    {kDivide, "integer", "integer", "integer", "1 / 2"},
    {kMod, "integer", "integer", "integer", "1 mod 2"},
    {kTimes, "integer", "number of months", "number of months", nullptr, later},
    {kTimes, "integer", "time interval", "time interval", nullptr, later},
    {kEqual, "integer", "integer", "boolean", "1 = 2"},
    {kLessThan, "integer", "integer", "boolean", "1 < 2"},
    {kLessThanOrEqual, "integer", "integer", "boolean", "1 <= 2"},
    // "floating point"
    {kPlus, "floating point", "floating point", "floating point", FP " + " FP},
    {kMinus, "floating point", "floating point", "floating point", FP " - " FP},
    {kTimes, "floating point", "floating point", "floating point", FP " * " FP},
    {kDivide, "floating point", "floating point", "floating point", FP " / " FP},
    {kPlus, "floating point", "integer", "floating point", FP " + 1"},
    {kMinus, "floating point", "integer", "floating point", FP " - 1"},
    {kTimes, "floating point", "integer", "floating point", FP " * 1"},
    {kDivide, "floating point", "integer", "floating point", FP " / 1"},
    {kEqual, "floating point", "integer", "boolean", FP " = 1"},
    {kLessThanOrEqual, "floating point", "integer", "boolean", FP " <= 1"},
    {kLessThan, "floating point", "integer", "boolean", FP " < 1"},
    {kTimes, "floating point", "rate", "rate", nullptr, later},
    {kDivide, "floating point", "time interval", "rate", nullptr, later},
    {kEqual, "floating point", "floating point", "boolean", FP " = " FP},
    {kLessThan, "floating point", "floating point", "boolean", FP " < " FP},
    {kLessThanOrEqual, "floating point", "floating point", "boolean", FP " <= " FP},
    // "hertz"
    {kPlus, "hertz", "hertz", "hertz", "hz + hz"},
    {kMinus, "hertz", "hertz", "hertz", "hz - hz"},
    {kTimes, "hertz", "integer", "hertz", "hz * 2"},
    {kDivide, "hertz", "hertz", "integer", "hz / hz"},
    {kDivide, "hertz", "integer", "hertz", "hz / 2"},
    {kMod, "hertz", "hertz", "hertz", "hz mod hz"},
    {kEqual, "hertz", "hertz", "boolean", "hz = hz"},
    {kLessThan, "hertz", "hertz", "boolean", "hz < hz"},
    {kLessThanOrEqual, "hertz", "hertz", "boolean", "hz <= hz"},
    // "bit set"
    {kEqual, "bit set", "bit set", "boolean", "bit set \"1\" = bit set \"1\""},
    {kContains, "bit set", "bit set", "boolean", "bit set \"1\" contains bit set \"1\""},
    {kPlus, "bit set", "bit set", "bit set", "bit set \"1\" + bit set \"1\""},
    {kMinus, "bit set", "bit set", "bit set", "bit set \"1\" - bit set \"1\""},
    {kTimes, "bit set", "bit set", "bit set", "bit set \"1\" * bit set \"1\""},
    // The set bundle.
    {kPlus, "integer set", "integer set", "integer set", "set of 1 + set of 2"},
    {kMinus, "integer set", "integer set", "integer set", "set of 1 - set of 2"},
    {kTimes, "integer set", "integer set", "integer set", "set of 1 * set of 2"},
    {kEqual, "integer set", "integer set", "boolean", "set of 1 = set of 2"},
    {kContains, "integer set", "integer", "boolean", "set of 1 contains 1"},
    {kContains, "integer set", "integer set", "boolean", "set of 1 contains set of 1"},
    {kPlus, "string set", "string set", "string set", "set of \"a\" + set of \"b\""},
    {kMinus, "string set", "string set", "string set", "set of \"a\" - set of \"b\""},
    {kTimes, "string set", "string set", "string set", "set of \"a\" * set of \"b\""},
    {kEqual, "string set", "string set", "boolean", "set of \"a\" = set of \"b\""},
    {kContains, "string set", "string", "boolean", "set of \"a\" contains \"a\""},
    {kContains, "string set", "string set", "boolean", "set of \"a\" contains set of \"a\""},
    // Of "string" (only the rows that exist so far).
    {kEqual, "string", "string", "boolean", "\"a\" = \"b\""},
    {kLessThan, "string", "string", "boolean", "\"a\" < \"b\""},
    {kLessThanOrEqual, "string", "string", "boolean", "\"a\" <= \"b\""},
    {kConcatenate, "string", "string", "string", "\"a\" & \"b\""},
};

const std::vector<UnaryRow> kUnaryOperators = {
    {"integer", "integer", "- 5"},
    {"floating point", "floating point", "- " FP},
    {"hertz", "hertz", "- hz"},
};

std::string_view textOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

bool sameProperty(const PropertyRecord& r, const PropertyRow& row)
{
    return textOf(r.singularName) == row.singular && textOf(r.pluralName) == row.plural &&
           textOf(r.keyTypeName) == row.key && textOf(r.objectTypeName) == row.object &&
           textOf(r.resultTypeName) == row.result;
}

bool sameCast(const CastRecord& r, const CastRow& row)
{
    return textOf(r.castName) == row.name && textOf(r.sourceTypeName) == row.source &&
           textOf(r.resultTypeName) == row.result;
}

bool sameBinary(const BinaryOperatorRecord& r, const BinaryRow& row)
{
    return r.operatorIndex == row.index && textOf(r.leftTypeName) == row.left &&
           textOf(r.rightTypeName) == row.right && textOf(r.resultTypeName) == row.result;
}

bool sameUnary(const UnaryOperatorRecord& r, const UnaryRow& row)
{
    return r.operatorIndex == kUnaryMinus && textOf(r.operandTypeName) == row.operand &&
           textOf(r.resultTypeName) == row.result;
}

// The registered records that match a row.
template <class Record, class Row, class Same>
std::vector<const Record*> matching(Record* head, const Row& row, Same same)
{
    std::vector<const Record*> found;
    for (const Record* r = head; r; r = r->nextRegistered)
        if (same(*r, row))
            found.push_back(r);
    return found;
}

std::string describe(const PropertyRow& row)
{
    return std::string(row.singular) + " / " + row.plural + " <" + row.key + "> of <" + row.object + ">: " + row.result;
}

std::string describe(const CastRow& row)
{
    return std::string("<") + row.source + "> as " + row.name + ": " + row.result;
}

std::string describe(const BinaryRow& row)
{
    return std::string("<") + row.left + "> " + binaryOperatorSymbol(row.index) + " <" + row.right + ">: " + row.result;
}

// Parses and binds one expression and evaluates its first value.
class Binder {
public:
    Binder() : evaluator_(&context_) {}

    // The bound tree's nodes (root first), or empty when binding failed.
    std::vector<Expression*> bind(const std::string& text)
    {
        evaluator_.reset();
        bindError_.clear();
        try {
            evaluator_.lexer().Receive(text.data(), text.data() + text.size());
            evaluator_.endInput();
        } catch (const std::exception& e) {
            bindError_ = e.what();
            return {};
        }
        std::vector<Expression*> nodes;
        for (Expression* node = evaluator_.root(); node; node = node->nextBuilt)
            nodes.push_back(node);
        return nodes;
    }
    const std::string& bindError() const { return bindError_; }

    // What the first value of the bound expression gives.
    Yields evaluate()
    {
        try {
            const void* value = evaluator_.firstValue();
            evaluator_.stop();
            return value ? Yields::Value : Yields::Nothing;
        } catch (const ArgumentDoesNotExist&) {
            evaluator_.stop();
            return Yields::Nothing;
        } catch (const UserDefinedInspectionError&) {
            evaluator_.stop();
            return Yields::UserError;
        }
    }

private:
    InspectorContext context_;
    GuardEvaluator evaluator_;
    std::string bindError_;
};

template <class Node, class Record>
bool bindsTo(const std::vector<Expression*>& nodes, NodeKind kind, const Record* record)
{
    for (Expression* node : nodes)
        if (node->kind == kind && static_cast<Node*>(node)->record == record)
            return true;
    return false;
}

std::string withPhrase(const char* use, const char* phrase)
{
    std::string text(use);
    text.replace(text.find('@'), 1, phrase);
    return text;
}

const TypeRecord* typeNamed(const char* name)
{
    return InspectorRegistry::get().findType(name);
}

TEST(CoreCatalogue, TypesAreRegisteredOnceWithTheirBasesAndHashes)
{
    for (const TypeRow& row : kTypes) {
        SCOPED_TRACE(row.name);
        int registrations = 0;
        for (const TypeRecord* t = firstRegisteredType(); t; t = t->nextRegistered)
            registrations += std::string_view(t->name) == row.name;
        EXPECT_EQ(registrations, 1);
        const TypeRecord* type = typeNamed(row.name);
        ASSERT_NE(type, nullptr);
        if (row.hashing != Hashing::Unsaid) {
            EXPECT_EQ(type->hash != nullptr, row.hashing == Hashing::Yes);
        }
        if (!row.base) {
            EXPECT_EQ(type->base, nullptr);
            continue;
        }
        ASSERT_NE(type->base, nullptr);
        EXPECT_STREQ(type->base->name, row.base);
        // A value with its count: the plain value, rounded up to 8 bytes, then the count.
        EXPECT_EQ(type->valueSize, (type->base->valueSize + 7) / 8 * 8 + 8);
    }
    EXPECT_EQ(typeNamed("boolean")->valueSize, 1u);
    EXPECT_EQ(typeNamed("integer")->valueSize, 8u);
    EXPECT_EQ(typeNamed("floating point")->valueSize, 24u);
    EXPECT_EQ(typeNamed("hertz")->valueSize, 8u);
    EXPECT_EQ(typeNamed("bit set")->valueSize, 8u);
}

// Each check works on one row; a failed assertion ends the row, not the test.
void checkPropertyRow(Binder& binder, const PropertyRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const PropertyRecord*> found = matching(firstRegisteredProperty(), row, sameProperty);
    if (row.status == Status::Later) {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    const PropertyRecord* record = found[0];
    EXPECT_EQ(record->kind, row.kind);
    EXPECT_EQ(record->iterated, row.kind != P);

    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* object = *row.object ? typeNamed(row.object) : registry.worldType();
    const TypeRecord* key = *row.key ? typeNamed(row.key) : registry.worldType();
    ASSERT_NE(object, nullptr);
    ASSERT_NE(key, nullptr);
    for (const char* phrase : {row.singular, row.plural}) {
        PropertyLookup lookup = registry.findProperty(object, phrase, key);
        EXPECT_EQ(lookup.record, record) << phrase;
        EXPECT_EQ(lookup.plural, phrase == row.plural) << phrase;
        if (row.yields == Yields::Unreachable)
            continue;
        std::string text = withPhrase(row.use, phrase);
        SCOPED_TRACE(text);
        std::vector<Expression*> nodes = binder.bind(text);
        ASSERT_FALSE(nodes.empty()) << binder.bindError();
        EXPECT_TRUE(bindsTo<PropertyExpression>(nodes, NodeKind::Property, record));
        EXPECT_EQ(nodes[0]->plural, phrase == row.plural);
        EXPECT_STREQ(nodes[0]->type->name, row.result);
        EXPECT_EQ(binder.evaluate(), row.yields);
    }
}

void checkCastRow(Binder& binder, const CastRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const CastRecord*> found = matching(firstRegisteredCast(), row, sameCast);
    if (row.status == Status::Later) {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findCast(typeNamed(row.source), row.name), found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<CastingExpression>(nodes, NodeKind::Cast, found[0]));
    EXPECT_EQ(binder.evaluate(), row.yields);
}

void checkBinaryRow(Binder& binder, const BinaryRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const BinaryOperatorRecord*> found = matching(firstRegisteredBinaryOperator(), row, sameBinary);
    if (row.status == Status::Later) {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findBinaryOperator(typeNamed(row.left), row.index, typeNamed(row.right)),
              found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<BinaryOperatorExpression>(nodes, NodeKind::BinaryOperator, found[0]));
    EXPECT_EQ(binder.evaluate(), Yields::Value);
}

void checkUnaryRow(Binder& binder, const UnaryRow& row)
{
    SCOPED_TRACE(row.use);
    std::vector<const UnaryOperatorRecord*> found = matching(firstRegisteredUnaryOperator(), row, sameUnary);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findUnaryOperator(typeNamed(row.operand), kUnaryMinus), found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<UnaryOperatorExpression>(nodes, NodeKind::UnaryOperator, found[0]));
    EXPECT_EQ(binder.evaluate(), Yields::Value);
}

TEST(CoreCatalogue, EveryPropertyRowIsRegisteredOnceAndBindsUnderBothPhrases)
{
    Binder binder;
    for (const PropertyRow& row : propertyRows())
        checkPropertyRow(binder, row);
}

TEST(CoreCatalogue, EveryCastRowIsRegisteredOnceAndBinds)
{
    Binder binder;
    for (const CastRow& row : kCasts)
        checkCastRow(binder, row);
}

TEST(CoreCatalogue, EveryOperatorRowIsRegisteredOnceAndBinds)
{
    Binder binder;
    for (const BinaryRow& row : kBinaryOperators)
        checkBinaryRow(binder, row);
    for (const UnaryRow& row : kUnaryOperators)
        checkUnaryRow(binder, row);
}

bool isCore(const char* typeName) { return kCoreTypes.count(std::string(textOf(typeName))) != 0; }

TEST(CoreCatalogue, NothingElseIsRegisteredForTheCoreTypes)
{
    const std::vector<PropertyRow> rows = propertyRows();
    for (const PropertyRecord* r = firstRegisteredProperty(); r; r = r->nextRegistered) {
        bool listedHere = isCore(r->objectTypeName) || (!*r->objectTypeName && isCore(r->resultTypeName));
        if (!listedHere)
            continue;
        bool expected = false;
        for (const PropertyRow& row : rows)
            expected |= row.status == Status::Present && sameProperty(*r, row);
        EXPECT_TRUE(expected) << "unexpected property " << r->singularName << " <" << r->keyTypeName << "> of <"
                              << r->objectTypeName << ">: " << r->resultTypeName;
    }
    for (const CastRecord* r = firstRegisteredCast(); r; r = r->nextRegistered) {
        if (!isCore(r->sourceTypeName))
            continue;
        bool expected = false;
        for (const CastRow& row : kCasts)
            expected |= row.status == Status::Present && sameCast(*r, row);
        EXPECT_TRUE(expected) << "unexpected cast <" << r->sourceTypeName << "> as " << r->castName;
    }
    for (const BinaryOperatorRecord* r = firstRegisteredBinaryOperator(); r; r = r->nextRegistered) {
        if (!isCore(r->leftTypeName))
            continue;
        bool expected = false;
        for (const BinaryRow& row : kBinaryOperators)
            expected |= row.status == Status::Present && sameBinary(*r, row);
        EXPECT_TRUE(expected) << "unexpected operator <" << r->leftTypeName << "> "
                              << binaryOperatorSymbol(r->operatorIndex) << " <" << r->rightTypeName << ">";
    }
    for (const UnaryOperatorRecord* r = firstRegisteredUnaryOperator(); r; r = r->nextRegistered) {
        if (!isCore(r->operandTypeName))
            continue;
        bool expected = false;
        for (const UnaryRow& row : kUnaryOperators)
            expected |= sameUnary(*r, row);
        EXPECT_TRUE(expected) << "unexpected unary operator on <" << r->operandTypeName << ">";
    }
}

} // namespace
