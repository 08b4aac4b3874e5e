#pragma once
// The symbols of the expression grammar: the terminals the lexer's tokens
// are given, the non-terminals of the grammar (one per binding level) and the
// end symbol.
#include "syntax/GrammarRule.h"

namespace guard {

namespace GuardSymbol {
enum : GrammarSymbol {
    // Terminals.
    OpenParenthesis = 0,
    CloseParenthesis = 1,
    Not = 2,
    Bar = 3,
    Product = 4, // "*", "/", "mod", "&"
    Plus = 5,
    Relation = 6, // "=", "<", "is not equal to", "contains", ...
    And = 7,
    Or = 8,
    Comma = 9,
    Semicolon = 10,
    Minus = 11,
    Phrase = 12,
    Of = 13,
    Whose = 14,
    As = 15,
    Exists = 16,
    ExistsNo = 17,
    If = 18,
    Then = 19,
    Else = 20,
    Primary = 21, // a string or integer constant, "it"; also a parenthesised expression

    // Non-terminals, from the tightest binding level outwards.
    Term = 22,        // a phrase with its argument and whose-filters, or a primary
    OfChain = 23,     // terms joined by "of"
    Cast = 24,        // ... "as" phrase
    PrefixLevel = 25, // "exists", "exists no", "not", unary "-"
    BarLevel = 26,
    BarOperand = 27,
    ProductLevel = 28,
    ProductOperand = 29,
    SumLevel = 30,
    RelationOperand = 31,
    RelationLevel = 32,
    AndLevel = 33,
    AndOperand = 34,
    OrLevel = 35,
    TupleElement = 36,
    TupleLast = 37, // the last element of a tuple
    TupleHead = 38, // an element and its comma
    Tuple = 39,
    CollectionElement = 40,
    Collection = 41,
    Expression = 42, // a full expression, also inside parentheses and "if"

    End = 43,
};
}

} // namespace guard
