#pragma once
// One element of a tree read by XMLTreeParserPL.
//
// `text` is all character data directly inside the element, concatenated in
// document order (entities decoded, whitespace kept); `children` are the
// child elements in document order. Copying an element copies its whole
// subtree. Destroying one frees its subtree without recursing once per
// level, so a document nested a million deep is freed like a flat one.
#include <string>
#include <string_view>
#include <vector>

#include "xml/XMLAttributeList.h"

namespace guard {

struct XMLElementPL {
    XMLElementPL() = default;
    XMLElementPL(std::string_view elementName, const XMLAttributeList& elementAttributes)
        : name(elementName), attributes(elementAttributes)
    {
    }
    ~XMLElementPL();
    XMLElementPL(const XMLElementPL&) = default;
    XMLElementPL(XMLElementPL&&) noexcept = default;
    XMLElementPL& operator=(const XMLElementPL&) = default;
    XMLElementPL& operator=(XMLElementPL&&) noexcept = default;

    std::string name;
    XMLAttributeList attributes;
    std::string text;
    std::vector<XMLElementPL> children;
};

} // namespace guard
