// The "html" and "html attribute list" types: html taken as it is or made
// from escaped strings, "&", "html tag" and "attr list".
#include <string>

#include "Inspectors/Portable/Html/HtmlText.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// An element named `name`; an empty name is no value.
Html element(String name, String attributes, Html content)
{
    if (name.empty())
        throw NoSuchObject();
    return htmlElement(name, attributes, content);
}

// "html tag KEY of X": the key up to its first white-space byte names the
// element; everything after that byte, exactly as written (further blanks
// included), is the attribute text. A key that starts with white space has
// an empty name and gives no value.
Html taggedContent(const String& key, Html content)
{
    std::uint32_t at = 0;
    while (at < key.length && !isWhiteSpace(key.data[at]))
        ++at;
    String name(key.data, at);
    String attributes = at < key.length ? String(key.data + at + 1, key.length - at - 1) : String();
    return element(name, attributes, content);
}

Html htmlFromKey(const String& text) { return htmlMarkup(text); }
Html htmlTagOfString(const String& key, const String& content) { return taggedContent(key, htmlEscaped(content)); }
Html htmlTagOfHtml(const String& key, const Html& content) { return taggedContent(key, content); }

// "html tag (NAME, ...)": the name is taken whole, not split.
Html namedTagOfString(const Tuple<String, String>& operands)
{
    return element(operands.get<0>(), String(), htmlEscaped(operands.get<1>()));
}
Html namedTagOfHtml(const Tuple<String, Html>& operands)
{
    return element(operands.get<0>(), String(), operands.get<1>());
}
Html namedEmptyTag(const Tuple<String, HtmlAttributeList>& operands)
{
    if (operands.get<0>().empty())
        throw NoSuchObject();
    return htmlEmptyElement(operands.get<0>(), operands.get<1>().text);
}
Html namedTagWithAttributesOfString(const Tuple<String, HtmlAttributeList, String>& operands)
{
    return element(operands.get<0>(), operands.get<1>().text, htmlEscaped(operands.get<2>()));
}
Html namedTagWithAttributesOfHtml(const Tuple<String, HtmlAttributeList, Html>& operands)
{
    return element(operands.get<0>(), operands.get<1>().text, operands.get<2>());
}

String htmlAsString(const Html& value) { return htmlText(value); }
Html sameHtml(const Html& value) { return value; }
Html stringAsHtml(const String& text) { return htmlEscaped(text); }

Html htmlAndString(const Html& left, const String& right) { return htmlJoin(left, htmlEscaped(right)); }
Html htmlAndHtml(const Html& left, const Html& right) { return htmlJoin(left, right); }
Html stringAndHtml(const String& left, const Html& right) { return htmlJoin(htmlEscaped(left), right); }

// "attr list of PAIRS": name="value" for each pair, the value escaped and
// the name written as it is, the pairs separated by single blanks.
class AttributeList {
public:
    void add(const Tuple<String, String>& pair)
    {
        if (!text_.empty())
            text_ += ' ';
        text_ += pair.get<0>().view();
        text_ += "=\"";
        appendEscaped(text_, pair.get<1>().view());
        text_ += '"';
    }
    bool result(HtmlAttributeList& out) const
    {
        out.text = stringView(text_);
        return true;
    }

private:
    std::string text_;
};

} // namespace

GUARD_INSPECTORS(type<Html>(), type<HtmlAttributeList>(),
                 property<Shape::KeyedOf, htmlTagOfString>("html tag", "html tags"), cast<stringAsHtml>("html"),
                 binary<kConcatenate, stringAndHtml>(), property<Shape::Keyed, htmlFromKey>("html", "htmls"),
                 property<Shape::KeyedOf, htmlTagOfHtml>("html tag", "html tags"),
                 property<Shape::Keyed, namedTagOfString>("html tag", "html tags"),
                 property<Shape::Keyed, namedTagOfHtml>("html tag", "html tags"),
                 property<Shape::Keyed, namedEmptyTag>("html tag", "html tags"),
                 property<Shape::Keyed, namedTagWithAttributesOfString>("html tag", "html tags"),
                 property<Shape::Keyed, namedTagWithAttributesOfHtml>("html tag", "html tags"),
                 cast<htmlAsString>("string"), cast<sameHtml>("html"), binary<kConcatenate, htmlAndString>(),
                 binary<kConcatenate, htmlAndHtml>(), aggregate<AttributeList>("attr list", "attr lists"))

} // namespace guard
