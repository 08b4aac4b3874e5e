#pragma once
// The byte classes of the expression language. Bytes from 128 up and the
// control bytes other than TAB, LF and CR belong to no class.
#include "syntax/CharacterSet.h"

namespace guard {

namespace GuardClass {
inline constexpr CharacterSet kWhitespace = CharacterSet::of("\t\n\r ");
inline constexpr CharacterSet kWordStart = CharacterSet().withRange('A', 'Z').withRange('a', 'z').with("_");
inline constexpr CharacterSet kWordContinuation = kWordStart.withRange('0', '9').with("'");
inline constexpr CharacterSet kDigit = CharacterSet().withRange('0', '9');
// "/" is not among them: it may start a comment.
inline constexpr CharacterSet kOperatorStart = CharacterSet::of("!&()*+,-;<=>|");
inline constexpr CharacterSet kHexDigit = kDigit.withRange('A', 'F').withRange('a', 'f');
} // namespace GuardClass

} // namespace guard
