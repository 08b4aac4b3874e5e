#include "xml/XMLTreeParserPL.h"

namespace guard {

void XMLTreeParserPL::StartElement(std::string_view name, const XMLAttributeList& attributes)
{
    XMLElementPL* element;
    if (!open_.empty()) {
        element = &open_.back()->children.emplace_back(name, attributes);
    } else if (root_) {
        root_->name = name;
        root_->attributes = attributes;
        element = root_.get();
    } else {
        root_ = std::make_unique<XMLElementPL>(name, attributes);
        element = root_.get();
    }
    open_.push_back(element);
}

void XMLTreeParserPL::EndElement(std::string_view)
{
    if (!open_.empty())
        open_.pop_back();
}

void XMLTreeParserPL::Characters(std::string_view text)
{
    if (!open_.empty())
        open_.back()->text += text;
}

} // namespace guard
