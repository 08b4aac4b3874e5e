#include "guard/parser/GuardGrammar.h"

#include "guard/parser/GuardSymbols.h"

namespace guard {

const RuleTable<GuardRPNSemantics>& guardGrammar()
{
    using namespace GuardSymbol;
    using S = GuardRPNSemantics;
    // The order of the rules decides between shifting and reducing: at each
    // position the alternatives are tried in this order.
    static const RuleTable<GuardRPNSemantics> grammar(
        End,
        {
            {Primary, {OpenParenthesis, Expression, CloseParenthesis}, nullptr},
            {Term, {Phrase, Primary}, &S::MakePhraseWithArgument},
            {Term, {Phrase, OpenParenthesis, Expression, CloseParenthesis}, &S::MakePhraseWithArgument},
            {Term, {Primary}, &S::MakePrimaryItem},
            {Term, {Phrase}, &S::MakeBarePhrase},
            {Term, {Term, Whose, Primary}, &S::AddWhose},
            {OfChain, {Term, Of, OfChain}, &S::MakeOf},
            {OfChain, {Term}, &S::MakeOfNothing},
            {Cast, {OfChain}, nullptr},
            {Cast, {Cast, As, Phrase}, &S::MakeCast},
            {PrefixLevel, {Cast}, nullptr},
            {PrefixLevel, {Exists, PrefixLevel}, &S::MakeExists},
            {PrefixLevel, {ExistsNo, PrefixLevel}, &S::MakeExistsNo},
            {PrefixLevel, {Not, PrefixLevel}, &S::MakeNot},
            {PrefixLevel, {Minus, PrefixLevel}, &S::MakeNegation},
            {BarLevel, {PrefixLevel}, nullptr},
            {BarLevel, {BarLevel, Bar, PrefixLevel}, &S::MakeBar},
            {BarOperand, {BarLevel}, nullptr},
            {ProductLevel, {BarOperand}, nullptr},
            {ProductLevel, {ProductLevel, Product, PrefixLevel}, &S::MakeBinaryOperator},
            {ProductOperand, {ProductLevel}, nullptr},
            {SumLevel, {ProductOperand}, nullptr},
            {SumLevel, {SumLevel, Plus, ProductOperand}, &S::MakeBinaryOperator},
            {SumLevel, {SumLevel, Minus, ProductOperand}, &S::MakeMinus},
            {RelationOperand, {SumLevel}, nullptr},
            {RelationLevel, {RelationOperand, Relation, RelationOperand}, &S::MakeBinaryOperator},
            {RelationLevel, {RelationOperand}, nullptr},
            {AndLevel, {RelationLevel}, nullptr},
            {AndLevel, {AndLevel, And, RelationLevel}, &S::MakeAnd},
            {AndOperand, {AndLevel}, nullptr},
            {OrLevel, {AndOperand}, nullptr},
            {OrLevel, {OrLevel, Or, AndOperand}, &S::MakeOr},
            {TupleElement, {OrLevel}, nullptr},
            {TupleHead, {TupleElement, Comma}, nullptr},
            {TupleLast, {TupleElement}, nullptr},
            {Tuple, {TupleHead, TupleLast}, &S::EndTuple},
            {Tuple, {TupleHead, Tuple}, &S::MakeTuple},
            {CollectionElement, {TupleLast}, nullptr},
            {CollectionElement, {Tuple}, nullptr},
            {Collection, {CollectionElement}, nullptr},
            {Collection, {Collection, Semicolon, CollectionElement}, &S::MakeCollection},
            {Expression, {Collection}, nullptr},
            {Expression, {If, Expression, Then, Expression, Else, Expression}, &S::MakeIf},
            {End, {Expression}, &S::FinishTree},
        });
    return grammar;
}

} // namespace guard
