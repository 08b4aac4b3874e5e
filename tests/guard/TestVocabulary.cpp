#include "TestVocabulary.h"

#include <optional>

#include "guard/GuardEvaluator.h"
#include "registry/Inspectors.h"
#include "support/Questions.h"

namespace guard {

namespace {

struct Opaque {
    std::int64_t number;
};

} // namespace

template <>
struct GuardType<Opaque> {
    static constexpr const char* name = "test opaque";
};

namespace TestVocabulary {

std::int64_t producedValues = 0;
std::int64_t countedValues = 0;

namespace {

class Values {
public:
    bool first(std::int64_t& out, std::int64_t last)
    {
        at_ = 0;
        last_ = last;
        return next(out);
    }
    bool next(std::int64_t& out)
    {
        if (at_ >= last_)
            return false;
        out = ++at_;
        ++producedValues;
        return true;
    }

private:
    std::int64_t at_ = 0;
    std::int64_t last_ = 0;
};

bool counted(std::int64_t)
{
    ++countedValues;
    return false;
}

Opaque opaque(std::int64_t n) { return Opaque{n}; }

std::optional<String> opaqueAsString(const Opaque& value)
{
    if (value.number % 2)
        return std::nullopt;
    return String::literal("opaque");
}

} // namespace

std::string evaluateFirst(std::string_view text, std::size_t limit, InspectorContext* context)
{
    GuardEvaluator evaluator(context);
    try {
        return stringValues(evaluator, text, "; ", limit);
    } catch (const std::exception& e) {
        std::string name = runtimeClassName(typeid(e));
        return "!" + name.substr(std::string_view("class ").size());
    }
}

std::string evaluate(std::string_view text, InspectorContext* context)
{
    return evaluateFirst(text, kEveryValue, context);
}

} // namespace TestVocabulary

GUARD_INSPECTORS(
    type<Opaque>(), iterated<Shape::Keyed, TestVocabulary::Values>("test value", "test values"),
    property<Shape::Of, TestVocabulary::counted>("test counted", "test counteds"),
    property<Shape::Of, TestVocabulary::counted>("test volatile counted", "test volatile counteds").isVolatile(),
    property<Shape::Keyed, TestVocabulary::opaque>("test opaque", "test opaques"),
    cast<TestVocabulary::opaqueAsString>("string"))

} // namespace guard
