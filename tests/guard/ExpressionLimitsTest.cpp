// The bounds on one expression: the tree refuses a node past the depth or
// node-count bound; text nested past the bound, in any construct, is
// refused with ExpressionTooDeep; the deepest text that is accepted binds
// and evaluates in half of the default 8 MB stack; a tuple whose type name
// would be too long is refused.
#include <gtest/gtest.h>

#include <pthread.h>

#include <functional>
#include <string>
#include <vector>

#include "guard/tree/ConstantExpressions.h"
#include "guard/tree/ExpressionLimits.h"
#include "guard/tree/ExpressionTree.h"
#include "guard/GuardEvaluator.h"
#include "guard/tree/OperatorExpressions.h"
#include "registry/CoreValues.h"
#include "registry/RegistryErrors.h"
#include "support/Questions.h"
#include "support/RepeatedText.h"

namespace guard {

namespace {

// The error's class ("class X"), or the values joined by "|".
std::string ask(GuardEvaluator& evaluator, const std::string& text)
{
    return errorOrStringValues(evaluator, text, "|");
}

// Runs `work` on a thread whose stack is `bytes` long.
void onStackOf(std::size_t bytes, std::function<void()> work)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    auto run = [](void* argument) -> void* {
        (*static_cast<std::function<void()>*>(argument))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, &work), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// A construct nested `count` times, and its answer at that count.
struct Nesting {
    const char* name;
    std::function<std::string(std::size_t)> text;
    std::function<std::string(std::size_t)> answer;
};

const std::vector<Nesting>& nestings()
{
    auto same = [](const char* answer) { return [answer](std::size_t) { return std::string(answer); }; };
    static const std::vector<Nesting> all = {
        {"not", [](std::size_t n) { return repeat("not ", n) + "true"; },
         [](std::size_t n) { return std::string(n % 2 ? "False" : "True"); }},
        {"unary minus", [](std::size_t n) { return repeat("- ", n) + "1"; },
         [](std::size_t n) { return std::string(n % 2 ? "-1" : "1"); }},
        {"exists", [](std::size_t n) { return repeat("exists ", n) + "1"; }, same("True")},
        {"parentheses", [](std::size_t n) { return repeat("(", n) + "1" + repeat(")", n); }, same("1")},
        {"of", [](std::size_t n) { return repeat("absolute value of ", n) + "1"; }, same("1")},
        {"it of", [](std::size_t n) { return repeat("it of ", n) + "1"; }, same("1")},
        {"sum", [](std::size_t n) { return joined("0", repeat(" + 1", n)); },
         [](std::size_t n) { return std::to_string(n); }},
        {"and", [](std::size_t n) { return joined("true", repeat(" and true", n)); }, same("True")},
        {"bar", [](std::size_t n) { return joined("1", repeat(" | 2", n)); }, same("1")},
        {"whose", [](std::size_t n) { return joined("1", repeat(" whose (true)", n)); }, same("1")},
        {"nested whose", [](std::size_t n) { return repeat("1 whose (exists ", n) + "1" + repeat(")", n); }, same("1")},
        {"if", [](std::size_t n) { return repeat("if true then ", n) + "1" + repeat(" else 0", n); }, same("1")},
        {"collection", [](std::size_t n) { return joined("number of (0", repeat("; 1", n), ")"); },
         [](std::size_t n) { return std::to_string(n + 1); }},
    };
    return all;
}

// The largest count in [1, upper] at which the construct is accepted (it is
// accepted at 1 and refused at some count up to `upper`).
std::size_t deepestAccepted(GuardEvaluator& evaluator, const Nesting& nesting, std::size_t upper)
{
    std::size_t good = 1, bad = upper;
    while (bad - good > 1) {
        std::size_t middle = good + (bad - good) / 2;
        (ask(evaluator, nesting.text(middle)) == "class ExpressionTooDeep" ? bad : good) = middle;
    }
    return good;
}

} // namespace

TEST(ExpressionLimits, TreeRefusesANodeDeeperThanTheBound)
{
    InlineStackAllocator<4096> allocator;
    ExpressionTree tree(allocator);
    tree.setBindOnFinish(false);
    Expression* node = tree.make<WorldExpression>();
    while (node->depth < kMaxExpressionDepth)
        node = tree.make<LogicalNotExpression>(node);
    EXPECT_THROW(tree.make<LogicalNotExpression>(node), ExpressionTooDeep);
    Expression* beside = tree.make<IntegerExpression>(std::int64_t(1));
    EXPECT_EQ(beside->depth, 1u);
    EXPECT_THROW(tree.make<BinaryOperatorExpression>(beside, node, 0u), ExpressionTooDeep);

    // A finished tree takes one level more: the conversion above its root.
    tree.finish();
    Expression* conversion = tree.make<LogicalNotExpression>(node);
    EXPECT_EQ(conversion->depth, kMaxExpressionDepth + 1);
    EXPECT_THROW(tree.make<LogicalNotExpression>(conversion), ExpressionTooDeep);

    tree.clear();
    node = tree.make<WorldExpression>();
    while (node->depth < kMaxExpressionDepth)
        node = tree.make<LogicalNotExpression>(node);
    EXPECT_THROW(tree.make<LogicalNotExpression>(node), ExpressionTooDeep);
}

TEST(ExpressionLimits, TreeRefusesANodeBeyondTheCountAndCountsRolledBackNodesOut)
{
    InlineStackAllocator<4096> allocator;
    ExpressionTree tree(allocator);
    tree.make<WorldExpression>();
    ExpressionTree::Checkpoint second = tree.checkpoint();
    for (std::uint32_t count = 1; count < kMaxExpressionNodes; ++count)
        tree.make<WorldExpression>();
    EXPECT_THROW(tree.make<WorldExpression>(), ExpressionTooLarge);
    tree.rollBack(second);
    EXPECT_NO_THROW(tree.make<WorldExpression>());
}

TEST(ExpressionLimits, EveryConstructNestedTooDeeplyIsRefused)
{
    InspectorContext context;
    GuardEvaluator evaluator(&context);
    for (const Nesting& nesting : nestings()) {
        EXPECT_EQ(ask(evaluator, nesting.text(1)), nesting.answer(1)) << nesting.name;
        EXPECT_EQ(ask(evaluator, nesting.text(100000)), "class ExpressionTooDeep") << nesting.name;
    }
}

TEST(ExpressionLimits, TheDeepestAcceptedExpressionsEvaluateInHalfTheDefaultStack)
{
    onStackOf(4 << 20, [] {
        InspectorContext context;
        GuardEvaluator evaluator(&context);
        for (const Nesting& nesting : nestings()) {
            std::size_t deepest = deepestAccepted(evaluator, nesting, 2 * kMaxExpressionDepth);
            EXPECT_GE(deepest, kMaxExpressionDepth / 5) << nesting.name;
            EXPECT_EQ(ask(evaluator, nesting.text(deepest)), nesting.answer(deepest)) << nesting.name;
        }
    });
}

TEST(ExpressionLimits, AShallowExpressionWithTooManyNodesIsRefused)
{
    // A balanced sum of 2^levels ones: depth levels + 1, 2^(levels+1) - 1 nodes.
    std::function<std::string(int)> balanced = [&](int levels) {
        return levels == 0 ? std::string("1") : joined("(", balanced(levels - 1), "+", balanced(levels - 1), ")");
    };
    InspectorContext context;
    GuardEvaluator evaluator(&context);
    EXPECT_EQ(ask(evaluator, balanced(16)), "65536");
    EXPECT_EQ(ask(evaluator, balanced(17)), "class ExpressionTooLarge");
}

TEST(ExpressionLimits, ATupleWhoseTypeNameWouldBeTooLongIsRefused)
{
    // "( integer, ... )" takes 9 bytes an element and 4 more.
    const std::size_t widest = (kMaxTupleTypeName - 4 + 2) / 9;
    InspectorContext context;
    GuardEvaluator evaluator(&context);
    EXPECT_EQ(ask(evaluator, joined("item ", std::to_string(widest - 1), " of (0", repeat(", 7", widest - 1), ")")),
              "7");
    EXPECT_EQ(ask(evaluator, joined("item 0 of (0", repeat(", 7", widest), ")")), "class TupleTypeTooLong");
    EXPECT_EQ(ask(evaluator, joined("item 0 of (0", repeat(", 7", 100000), ")")), "class ExpressionTooDeep");
}

} // namespace guard
