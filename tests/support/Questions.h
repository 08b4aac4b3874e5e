#pragma once
// Asking an evaluator a question in a test: bindQuestion() feeds the whole
// text in one piece and binds it; forEachValue() goes through the values;
// stringValues() does both for the values as strings, joined.
//
// What the lexer, the parser, binding or evaluation throws reaches the
// caller; errorOrStringValues() gives the error's class instead.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "guard/GuardEvaluator.h"
#include "platform/DebuggableException.h"
#include "registry/CoreValues.h"

namespace guard {

inline constexpr std::size_t kEveryValue = std::numeric_limits<std::size_t>::max();

// Discards what `evaluator` held, then parses and binds `text`.
inline void bindQuestion(GuardEvaluator& evaluator, std::string_view text)
{
    evaluator.reset();
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    evaluator.endInput();
}

// Calls `visit(value)` for the bound expression's values, at most `limit`
// of them (the evaluator is not asked for one more), and gives their number.
template <class Visit>
std::size_t forEachValue(GuardEvaluator& evaluator, Visit&& visit, std::size_t limit = kEveryValue)
{
    std::size_t count = 0;
    if (limit == 0)
        return 0;
    for (const void* value = evaluator.firstValue(); value; value = evaluator.nextValue()) {
        visit(value);
        if (++count == limit)
            break;
    }
    return count;
}

// The values of `text` as strings, joined by `separator`, at most `limit`.
inline std::string stringValues(GuardEvaluator& evaluator, std::string_view text, std::string_view separator,
                                std::size_t limit = kEveryValue)
{
    bindQuestion(evaluator, text);
    evaluator.requireResultType("string", "string");
    std::string joined;
    std::size_t count = 0;
    forEachValue(
        evaluator,
        [&](const void* value) {
            if (count++ > 0)
                joined += separator;
            joined += static_cast<const String*>(value)->view();
        },
        limit);
    return joined;
}

// The same, or the class of the error that stopped it ("class X").
inline std::string errorOrStringValues(GuardEvaluator& evaluator, std::string_view text, std::string_view separator,
                                       std::size_t limit = kEveryValue)
{
    try {
        return stringValues(evaluator, text, separator, limit);
    } catch (const std::exception& e) {
        return runtimeClassName(typeid(e));
    }
}

} // namespace guard
