#pragma once
// Writes an expression tree as readable text, one call per node, such as
//   Binary(+, 1, Binary(*, 2, 3))
//   Property("name", key: -, of: It)
//   Tuple(1, Tuple(2, World))
// String constants are quoted, with bytes outside printable ASCII, "%" and
// the double quote written as %XX, as the language writes them; "-" stands
// for a missing child. Used to show how an expression was read.
#include <string>

namespace guard {

class Expression;

std::string printTree(const Expression* root);

} // namespace guard
