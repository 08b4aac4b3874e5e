#pragma once
// The grammar of the expression language, as rules for the shift-reduce
// engine whose actions are operations of GuardRPNSemantics. Built once, on
// first use.
//
// From the tightest binding outwards: primaries (constants, "it", a
// parenthesised expression); terms (a phrase with an optional argument, and
// whose-filters); "of" (right to left); "as"; the prefix operators "exists",
// "exists no", "not" and unary "-"; "|"; the products; the sums; one
// relation (relations do not chain); "and"; "or"; tuples (","); collections
// (";"); and "if then else", accepted only where a full expression is.
#include "guard/parser/GuardRPNSemantics.h"
#include "syntax/RuleTable.h"

namespace guard {

const RuleTable<GuardRPNSemantics>& guardGrammar();

} // namespace guard
