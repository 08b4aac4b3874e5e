#include "xml/XMLWriterExceptions.h"

#include <string>

namespace guard {

namespace {

// A name as a "%s" conversion prints it: up to the first zero byte.
std::string_view asCString(std::string_view name) { return name.substr(0, name.find('\0')); }

std::string concatenate(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

} // namespace

InvalidXMLElementName::InvalidXMLElementName(std::string_view elementName)
    : TextException(
          concatenate({"Unable to write XML element with invalid element name '", asCString(elementName), "'"}))
{
}

InvalidXMLAttributeName::InvalidXMLAttributeName(std::string_view elementName, std::string_view attributeName)
    : TextException(concatenate({"Unable to write XML element '", asCString(elementName),
                                 "' with invalid attribute name '", asCString(attributeName), "'"}))
{
}

} // namespace guard
