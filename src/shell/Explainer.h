#pragma once
// Shows how a question was read and bound, without evaluating it.
//
// The question goes through the receiver up to binding (no conversion to
// "string", so the tree is the question's own). On success the bound tree
// is written one node per line, children indented by two spaces under their
// parent and introduced by their role ("key:", "of:", "then:", ...):
//
//   <construct>: <type>, singular|plural[  row: <catalogue row>]
//
// where a property's row reads «phrase "p", key <k>, of <o>: <result>»
// (<none> for a missing key or object), a cast's «<source> as name:
// <result>», an operator's «<left> symbol <right>: <result>» or «symbol
// <operand>: <result>». On failure one "E: " line with the sentence of the
// failure is written instead. Returns false on failure.
#include <string_view>

#include "driver/ExpressionMessageMaker.h"
#include "driver/GuardReceiver.h"
#include "pipeline/LineReceiver.h"

namespace guard {

class Expression;

bool explainQuestion(std::string_view question, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                     LineReceiver& out);

// The lines for a bound tree, as above.
void writeExplanation(const Expression* root, LineReceiver& out);

} // namespace guard
