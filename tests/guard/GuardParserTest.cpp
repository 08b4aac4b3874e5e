#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/ChunkedInput.h"
#include "guard/tree/ExpressionPrinter.h"
#include "guard/lexer/GuardErrors.h"
#include "guard/parser/GuardFrontEnd.h"
#include "pipeline/DataOverflow.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

struct ParseCase {
    std::string text;
    std::string tree; // "$x" stands for a world property: Property("x", key: -, of: World)
};

std::string expand(const std::string& tree)
{
    static const std::regex worldProperty(R"(\$([a-z_0-9']+))");
    return std::regex_replace(tree, worldProperty, R"(Property("$1", key: -, of: World))");
}

// Parses with binding switched off and gives the printed tree, or "!Class"
// for the exception that stopped the parse.
class ParserHarness {
public:
    ParserHarness() { tree.setBindOnFinish(false); }

    std::string read(const std::vector<std::string_view>& chunks)
    {
        try {
            feedChunks(frontEnd.input(), chunks);
        } catch (const DebuggableException& e) {
            std::string name = e.what();
            return "!" + name.substr(name.find(' ') + 1);
        }
        EXPECT_TRUE(frontEnd.automaton().idle());
        EXPECT_TRUE(frontEnd.parser().engine().accepted());
        return printTree(tree.root());
    }

    // Every case, fed whole, split in two at every offset and byte by byte.
    void expectTrees(const std::vector<ParseCase>& cases)
    {
        for (const ParseCase& test : cases) {
            std::string expected = expand(test.tree);
            for (const Chunking& chunking : chunkingsOf(test.text))
                EXPECT_EQ(read(chunking.chunks), expected)
                    << "text «" << test.text.substr(0, 80) << "» fed " << chunking.name;
        }
    }

    InlineStackAllocator<1 << 16> allocator;
    ExpressionTree tree{allocator};
    GuardFrontEnd frontEnd{tree};
};

TEST(GuardParser, OperatorsBindAndGroupAsTheGrammarSays)
{
    ParserHarness harness;
    harness.expectTrees({
        {"1 + 2 * 3", "Binary(+, 1, Binary(*, 2, 3))"},
        {"1 - 2 - 3", "Binary(-, Binary(-, 1, 2), 3)"},
        {"8 / 4 mod 3 & x", "Binary(&, Binary(mod, Binary(/, 8, 4), 3), $x)"},
        {"1 + 2 = 3 - 4", "Binary(=, Binary(+, 1, 2), Binary(-, 3, 4))"},
        {"x = y or z < w and v", "Or(Binary(=, $x, $y), And(Binary(<, $z, $w), $v))"},
        {"x or y or z", "Or(Or($x, $y), $z)"},
        {"x and y and z", "And(And($x, $y), $z)"},
        // Prefix operators bind tighter than every binary operator.
        {"not x = y", "Binary(=, Not($x), $y)"},
        {"- x * y", "Binary(*, Unary(-, $x), $y)"},
        {"exists x and y", "And(Exists($x), $y)"},
        {"- - x", "Unary(-, Unary(-, $x))"},
        {"x - - y", "Binary(-, $x, Unary(-, $y))"},
        {"not exists no x", "Not(Not(Exists($x)))"},
        {"exists no x", "Not(Exists($x))"},
        // "|" sits between the prefix operators and the products.
        {"x | y * z", "Binary(*, Bar($x, $y), $z)"},
        {"x | y | z", "Bar(Bar($x, $y), $z)"},
        {"- x | y", "Bar(Unary(-, $x), $y)"},
        // "as" binds tighter than the prefix operators, "of" tighter still.
        {"not x as boolean", "Not(As($x, \"boolean\"))"},
        {"x of y as lower case string as string",
         "As(As(Property(\"x\", key: -, of: $y), \"lower case string\"), \"string\")"},
        // Relations, with swapped operands and negation where the keyword asks.
        {"x > y", "Binary(<, $y, $x)"},
        {"x >= y", "Binary(<=, $y, $x)"},
        {"x is not greater than y", "Not(Binary(<, $y, $x))"},
        {"x is not less than or equal to y", "Not(Binary(<=, $x, $y))"},
        {"x != y", "Not(Binary(=, $x, $y))"},
        {"x is contained by y", "Binary(contains, $y, $x)"},
        {"x does not end with y", "Not(Binary(ends with, $x, $y))"},
        {"x starts with \"p\"", "Binary(starts with, $x, \"p\")"},
    });
}

TEST(GuardParser, TermsPhrasesAndOf)
{
    ParserHarness harness;
    harness.expectTrees({
        {"x", "$x"},
        {"it", "It"},
        {"\"abc\"", "\"abc\""},
        {"(\"abc\")", "\"abc\""},
        {"((7))", "7"},
        {"number of files", "NumberOf($files)"},
        {"number", "$number"},
        {"name of it", "Property(\"name\", key: -, of: It)"},
        {"names of files of x", "Property(\"names\", key: -, of: Property(\"files\", key: -, of: $x))"},
        {"item 2 of (1;2;3)", "Item(2, of: Collection(Collection(1, 2), 3))"},
        {"items 0 of (x, y)", "Items(0, of: Tuple($x, Tuple($y, World)))"},
        {"file \"abc\"", "Property(\"file\", key: \"abc\", of: -)"},
        {"name (it)", "Property(\"name\", key: It, of: -)"},
        {"line 2 of file \"f\"",
         "Property(\"line\", key: ComputedKey(2, of: Property(\"file\", key: \"f\", of: -)), "
         "of: Property(\"file\", key: \"f\", of: -))"},
        {"number 3 of x", "Property(\"number\", key: ComputedKey(3, of: $x), of: $x)"},
        {"item of x", "Property(\"item\", key: -, of: $x)"},
        {"1 of x", "Computed(1, of: $x)"},
        {"(x, y) of z", "Computed(Tuple($x, Tuple($y, World)), of: $z)"},
        {"x as string", "As($x, \"string\")"},
        {"18446744073709551615", "NoInteger"},
        {"9223372036854775808", "NoInteger"},
        {"9223372036854775807", "9223372036854775807"},
        {"\"%41%62\" & \"\"", "Binary(&, \"Ab\", \"\")"},
    });
}

TEST(GuardParser, WhoseFiltersTuplesCollectionsAndConditionals)
{
    ParserHarness harness;
    harness.expectTrees({
        {"files whose (f) of y", "Whose(Property(\"files\", key: -, of: $y), $f)"},
        {"x whose (f1) whose (f2)", "Whose(Whose($x, $f2), $f1)"},
        {"file \"n\" whose (it) of y", "Whose(Property(\"file\", key: ComputedKey(\"n\", of: $y), of: $y), It)"},
        {"(1) whose (it > 0)", "Whose(1, Binary(<, 0, It))"},
        {"x whose \"s\"", "Whose($x, \"s\")"},
        {"(x, y)", "Tuple($x, Tuple($y, World))"},
        {"x, y", "Tuple($x, Tuple($y, World))"},
        {"1, 2, 3", "Tuple(1, Tuple(2, Tuple(3, World)))"},
        {"x, (y, z)", "Tuple($x, Tuple(Tuple($y, Tuple($z, World)), World))"},
        {"x ; y ; z", "Collection(Collection($x, $y), $z)"},
        {"x, y ; z", "Collection(Tuple($x, Tuple($y, World)), $z)"},
        {"x or y, z", "Tuple(Or($x, $y), Tuple($z, World))"},
        {"if x then y else z", "If($x, $y, $z)"},
        {"(if x then y else z) and w", "And(If($x, $y, $z), $w)"},
        {"if x then y else z ; w", "If($x, $y, Collection($z, $w))"},
        {"if if x then y else z then 1, 2 else if w then 3 else 4",
         "If(If($x, $y, $z), Tuple(1, Tuple(2, World)), If($w, 3, 4))"},
        {"x whose (if it then it else it)", "Whose($x, If(It, It, It))"},
    });
}

TEST(GuardParser, SequencesOutsideTheGrammarFail)
{
    ParserHarness harness;
    std::vector<ParseCase> cases;
    for (const char* text : {"(x",
                             "x)",
                             "(x))",
                             "x +",
                             "= x",
                             "* x",
                             "x = y = z",
                             "x * y | z",
                             "x and if y then z else w",
                             "if x then y",
                             "()",
                             "",
                             "   ",
                             "/* */",
                             "\"a\" \"b\"",
                             "file \"a\" \"b\"",
                             "1 2",
                             "it it",
                             "x of",
                             "of x",
                             "whose (x)",
                             "x whose",
                             "x as",
                             "x as 1",
                             "x,,y",
                             "x, ",
                             "; x",
                             "x ;",
                             "not",
                             "exists",
                             "(x) y"})
        cases.push_back({text, "!ParsingFailure"});
    harness.expectTrees(cases);
}

// Each lexical error is raised by its own class, and as soon as the lexer
// sees it: a parsing failure later in the text does not come first.
TEST(GuardParser, LexicalErrorsRaiseTheirOwnClasses)
{
    ParserHarness harness;
    harness.expectTrees({
        {"x = $", "!UnexpectedCharacter"},
        {"( $ (", "!UnexpectedCharacter"},
        {"1.5", "!UnexpectedCharacter"},
        {"x " + std::string(64, 'w'), "!WordTooLong"},
        {"(" + std::string(63, 'w') + ")",
         std::string("Property(\"") + std::string(63, 'w') + "\", key: -, of: World)"},
        {"x ! y", "!InvalidOperator"},
        {"\"" + std::string(513, 's') + "\" ((", "!StringConstantTooLong"},
        {"x = \"abc", "!UnfinishedStringConstant"},
        {"\"%zz\" ((", "!StringEncodingError"},
        {"18446744073709551616 ((", "!IntegerConstantTooLarge"},
        {"x /* y", "!UnfinishedCommentError"},
        // The parser stops at the first failure, whichever comes first.
        {"1 2 $", "!ParsingFailure"},
        {") \"abc", "!ParsingFailure"},
    });
    // Eight words of 63 bytes fill the phrase buffer exactly; after eight of
    // 62 bytes a word of 8 does not fit at all.
    std::string full, almost;
    for (int i = 0; i < 8; ++i) {
        full += std::string(63, 'w') + " ";
        almost += std::string(62, 'v') + " ";
    }
    harness.expectTrees({{full, "!PhraseTooLong"}, {almost + "abcdefgh", "!DataOverflow"}});

    // The byte that starts no token is carried by the exception.
    for (char character : {'$', '.', '#', '\x80', '\xFF', '\0'}) {
        auto byte = static_cast<unsigned char>(character);
        std::string text = std::string("x ") + character;
        try {
            harness.frontEnd.parse(text);
            ADD_FAILURE() << "no exception for byte " << int(byte);
        } catch (const UnexpectedCharacter& e) {
            EXPECT_EQ(e.byte(), byte);
        }
    }
}

TEST(GuardParser, ErrorsAreRaisedWhileTheTextArrives)
{
    ParserHarness harness;
    DataReceiver& input = harness.frontEnd.input();
    auto receive = [&](std::string_view chunk) { input.Receive(chunk.data(), chunk.data() + chunk.size()); };
    input.Start();
    receive("(x ");
    EXPECT_THROW(receive("!y"), InvalidOperator);
    input.Start();
    receive("1 ");
    EXPECT_THROW(receive("2 "), ParsingFailure); // the second primary, not the end of input
    input.Start();
    receive("x + ");
    EXPECT_THROW(input.Finish(), ParsingFailure);

    // A parser reused after failures reads the next text as if new.
    EXPECT_EQ(harness.read({"x = 1"}), expand("Binary(=, $x, 1)"));
}

TEST(GuardParser, DeepNestingGrowsTheStacksAndParsesAgainWithoutThem)
{
    ParserHarness harness;
    std::string text, expected;
    for (int i = 0; i < 150; ++i) {
        text += "(x" + std::to_string(i) + ", ";
        expected += "Tuple($x" + std::to_string(i) + ", Tuple(";
    }
    text += "y";
    expected += "$y, World))";
    for (int i = 0; i < 149; ++i) {
        text += ")";
        expected += ", World))";
    }
    text += ")";
    EXPECT_EQ(harness.read({text}), expand(expected));
    EXPECT_GT(harness.frontEnd.parser().engine().positions().heapBlocks() +
                  harness.frontEnd.parser().engine().positions().hasSpare(),
              0u);
    EXPECT_EQ(harness.read({"x"}), expand("$x"));
}

} // namespace

} // namespace guard
