#pragma once
// The attributes of one XML tag: (name, value) byte-string pairs in document
// order. The reader hands them to its handler in this form and the writers
// take them in this form; names and values are raw bytes (no terminator, no
// encoding assumed).
#include <string>
#include <utility>
#include <vector>

namespace guard {

using XMLAttribute = std::pair<std::string, std::string>;
using XMLAttributeList = std::vector<XMLAttribute>;

} // namespace guard
