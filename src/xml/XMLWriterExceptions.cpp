#include "xml/XMLWriterExceptions.h"

#include <string>

namespace guard {

namespace {

// A name as a "%s" conversion prints it: up to the first zero byte.
std::string_view AsCString(std::string_view name) { return name.substr(0, name.find('\0')); }

std::string Concatenate(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

} // namespace

InvalidXMLElementName::InvalidXMLElementName(std::string_view elementName)
    : TextException(
          Concatenate({"Unable to write XML element with invalid element name '", AsCString(elementName), "'"}))
{
}

InvalidXMLAttributeName::InvalidXMLAttributeName(std::string_view elementName, std::string_view attributeName)
    : TextException(Concatenate({"Unable to write XML element '", AsCString(elementName),
                                 "' with invalid attribute name '", AsCString(attributeName), "'"}))
{
}

} // namespace guard
