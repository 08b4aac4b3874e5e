#pragma once
// XSL patterns, the older selection language of "select", written as XPath 1.0.
//
// The pattern is parsed (with the rule-trie engine) and written out token by
// token. The two languages share paths, names, "@", "*", "..", "|",
// literals, parentheses and the comparison and boolean operators; the
// pattern's own pieces become:
//   [n] (a whole filter that is a whole number)   [n+1]  (indexes count from 0)
//   $eq$ $ne$ $lt$ $le$ $gt$ $ge$                  = != < <= > >=
//   $and$ $or$ $union$                             and or |
//   $not$ x                                        not(x), binding looser than
//                                                  a comparison, tighter than and
//   index()  end()                                 (position()-1)  (position()=last())
//   value()  nodeName()                            .  name()
//   textnode()  pi()  element()  attribute()       text()  processing-instruction()  *  @*
// text(), node() and comment() are the same in both. What has no XPath 1.0
// equivalent (the case-blind $ieq$ family, $any$ and $all$, the "!" method
// call, cdata(), date(), ancestor(), arguments to element() or attribute(),
// every other function) and what does not read as a pattern are refused
// with XmlDomSelectionError, whose text names the piece (the whole pattern
// for one that does not read).
#include <string>
#include <string_view>

namespace guard::XmlDom {

// Replaces `xpath` with the XPath expression for `pattern`.
void translatePattern(std::string_view pattern, std::string& xpath);

} // namespace guard::XmlDom
