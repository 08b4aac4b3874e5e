#pragma once
// Failures of the XML writers.
//
// InvalidXMLElementName and InvalidXMLAttributeName carry their message
// (what()): "Unable to write XML element with invalid element name '%s'" and
// "Unable to write XML element '%s' with invalid attribute name '%s'", each
// name written up to its first zero byte. NoOpenXMLElement: an element was
// to be ended while none was open (a usage error of the caller).
#include <string_view>

#include "platform/DebuggableException.h"

namespace guard {

class InvalidXMLElementName : public TextException {
public:
    explicit InvalidXMLElementName(std::string_view elementName);
};

class InvalidXMLAttributeName : public TextException {
public:
    InvalidXMLAttributeName(std::string_view elementName, std::string_view attributeName);
};

GUARD_EXCEPTION(NoOpenXMLElement, DebuggableException);

} // namespace guard
