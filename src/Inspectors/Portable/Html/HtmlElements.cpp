// The named HTML elements: "td of X", "td KEY of X" (the key is the
// attribute text), the empty elements "br" and "hr", and the lists
// "unordered list", "ordered list" and "definition list" of plural strings
// or html values. Strings are escaped, html values taken as they are; an
// empty key writes no attributes. Every plural phrase is its singular with
// "s" added ("addresss", "bodys").
#include <array>
#include <string>

#include "Inspectors/Portable/Html/HtmlText.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

template <const char* Text>
constexpr String staticString()
{
    return String(Text, std::uint32_t(std::char_traits<char>::length(Text)));
}

// `Text` followed by "s", as static NUL-terminated text.
template <const char* Text>
struct Plural {
    static constexpr std::size_t size = std::char_traits<char>::length(Text) + 1;
    static constexpr std::array<char, size + 1> text = [] {
        std::array<char, size + 1> result{};
        for (std::size_t i = 0; i + 1 < size; ++i)
            result[i] = Text[i];
        result[size - 1] = 's';
        return result;
    }();
};

template <const char* Tag>
Html elementOfString(const String& content)
{
    return htmlElement(staticString<Tag>(), String(), htmlEscaped(content));
}
template <const char* Tag>
Html elementOfHtml(const Html& content)
{
    return htmlElement(staticString<Tag>(), String(), content);
}
template <const char* Tag>
Html keyedElementOfString(const String& attributes, const String& content)
{
    return htmlElement(staticString<Tag>(), attributes, htmlEscaped(content));
}
template <const char* Tag>
Html keyedElementOfHtml(const String& attributes, const Html& content)
{
    return htmlElement(staticString<Tag>(), attributes, content);
}

// The four rows of the element `Tag`, under the phrase of the same name.
template <const char* Tag>
constexpr auto elementRows()
{
    constexpr const char* Phrase = Tag;
    constexpr const char* plural = Plural<Tag>::text.data();
    return std::array{
        property<Shape::Of, elementOfString<Tag>>(Phrase, plural),
        property<Shape::Of, elementOfHtml<Tag>>(Phrase, plural),
        property<Shape::KeyedOf, keyedElementOfString<Tag>>(Phrase, plural),
        property<Shape::KeyedOf, keyedElementOfHtml<Tag>>(Phrase, plural),
    };
}

template <const char* Tag>
Html emptyElement()
{
    return htmlEmptyElement(staticString<Tag>(), String());
}
template <const char* Tag>
Html keyedEmptyElement(const String& attributes)
{
    return htmlEmptyElement(staticString<Tag>(), attributes);
}

template <const char* Tag>
constexpr auto emptyElementRows()
{
    constexpr const char* plural = Plural<Tag>::text.data();
    return std::array{
        property<Shape::Global, emptyElement<Tag>>(Tag, plural),
        property<Shape::Keyed, keyedEmptyElement<Tag>>(Tag, plural),
    };
}

constexpr char kLi[] = "li";
constexpr char kDt[] = "dt";
constexpr char kDd[] = "dd";

void appendItem(std::string& to, const String& text) { appendEscaped(to, text.view()); }
void appendItem(std::string& to, const Html& value) { appendHtml(to, value); }

// A list element named `Tag` whose items are written as `ItemTag` elements,
// or alternately as `ItemTag` and `OtherItemTag` elements (the definition
// list's terms and definitions).
template <const char* Tag, const char* ItemTag, const char* OtherItemTag, class Item>
class List {
public:
    void add(const Item& item)
    {
        std::string_view tag = odd_ ? OtherItemTag : ItemTag;
        odd_ = !odd_;
        items_ += '<';
        items_ += tag;
        items_ += '>';
        appendItem(items_, item);
        items_ += "</";
        items_ += tag;
        items_ += '>';
    }
    bool result(Html& out) const
    {
        out = htmlElement(staticString<Tag>(), stringView(attributes_), htmlMarkup(items_));
        return true;
    }

protected:
    std::string items_;
    std::string attributes_;
    bool odd_ = false;
};

// The list with a key: the key is the attribute text of the list element.
// The key comes with each item, so a list of no items is written without
// attributes.
template <const char* Tag, const char* ItemTag, const char* OtherItemTag, class Item>
class KeyedList : public List<Tag, ItemTag, OtherItemTag, Item> {
public:
    void add(const String& attributes, const Item& item)
    {
        if (!keyed_)
            this->attributes_.assign(attributes.view());
        keyed_ = true;
        List<Tag, ItemTag, OtherItemTag, Item>::add(item);
    }

private:
    bool keyed_ = false;
};

template <const char* Phrase, const char* Tag, const char* ItemTag, const char* OtherItemTag>
constexpr auto listRows()
{
    constexpr const char* plural = Plural<Phrase>::text.data();
    return std::array{
        aggregate<List<Tag, ItemTag, OtherItemTag, String>>(Phrase, plural),
        aggregate<KeyedList<Tag, ItemTag, OtherItemTag, String>>(Phrase, plural),
        aggregate<List<Tag, ItemTag, OtherItemTag, Html>>(Phrase, plural),
        aggregate<KeyedList<Tag, ItemTag, OtherItemTag, Html>>(Phrase, plural),
    };
}

constexpr char kHtml[] = "html", kHead[] = "head", kTitle[] = "title", kMeta[] = "meta", kBody[] = "body",
               kDiv[] = "div", kSpan[] = "span", kAddress[] = "address", kH1[] = "h1", kH2[] = "h2", kH3[] = "h3",
               kH4[] = "h4", kH5[] = "h5", kH6[] = "h6", kEm[] = "em", kStrong[] = "strong", kDfn[] = "dfn",
               kCode[] = "code", kSamp[] = "samp", kKbd[] = "kbd", kVar[] = "var", kCite[] = "cite", kAbbr[] = "abbr",
               kAcronym[] = "acronym", kBlockquote[] = "blockquote", kQ[] = "q", kSub[] = "sub", kSup[] = "sup",
               kP[] = "p", kPre[] = "pre", kIns[] = "ins", kDel[] = "del", kUl[] = "ul", kOl[] = "ol",
               kTable[] = "table", kCaption[] = "caption", kThead[] = "thead", kTfoot[] = "tfoot", kTbody[] = "tbody",
               kColgroup[] = "colgroup", kCol[] = "col", kTr[] = "tr", kTh[] = "th", kTd[] = "td", kAnchor[] = "anchor",
               kLink[] = "link", kBase[] = "base", kTt[] = "tt", kItalic[] = "italic", kB[] = "b", kBig[] = "big",
               kSmall[] = "small", kBr[] = "br", kHr[] = "hr", kDl[] = "dl", kUnorderedList[] = "unordered list",
               kOrderedList[] = "ordered list", kDefinitionList[] = "definition list";

} // namespace

// Every phrase is its element's name, "anchor" and "italic" included: the
// element inspectors write the name they are called by, so "anchor of X" is
// an <anchor> element (html tag "a" of X writes <a>).
GUARD_INSPECTOR_ARRAY(joinRows(elementRows<kHtml>(), elementRows<kHead>(), elementRows<kTitle>(), elementRows<kMeta>(),
                               elementRows<kBody>(), elementRows<kDiv>(), elementRows<kSpan>(), elementRows<kAddress>(),
                               elementRows<kH1>(), elementRows<kH2>(), elementRows<kH3>(), elementRows<kH4>(),
                               elementRows<kH5>(), elementRows<kH6>(), elementRows<kEm>(), elementRows<kStrong>(),
                               elementRows<kDfn>(), elementRows<kCode>(), elementRows<kSamp>(), elementRows<kKbd>(),
                               elementRows<kVar>(), elementRows<kCite>(), elementRows<kAbbr>(), elementRows<kAcronym>(),
                               elementRows<kBlockquote>(), elementRows<kQ>(), elementRows<kSub>(), elementRows<kSup>(),
                               elementRows<kP>(), elementRows<kPre>(), elementRows<kIns>(), elementRows<kDel>(),
                               elementRows<kUl>(), elementRows<kOl>(), elementRows<kLi>(), elementRows<kDt>(),
                               elementRows<kDd>()))
GUARD_INSPECTOR_ARRAY(joinRows(elementRows<kTable>(), elementRows<kCaption>(), elementRows<kThead>(),
                               elementRows<kTfoot>(), elementRows<kTbody>(), elementRows<kColgroup>(),
                               elementRows<kCol>(), elementRows<kTr>(), elementRows<kTh>(), elementRows<kTd>(),
                               elementRows<kAnchor>(), elementRows<kLink>(), elementRows<kBase>(), elementRows<kTt>(),
                               elementRows<kItalic>(), elementRows<kB>(), elementRows<kBig>(), elementRows<kSmall>()))
GUARD_INSPECTOR_ARRAY(joinRows(emptyElementRows<kBr>(), emptyElementRows<kHr>()))
GUARD_INSPECTOR_ARRAY(joinRows(listRows<kUnorderedList, kUl, kLi, kLi>(), listRows<kOrderedList, kOl, kLi, kLi>(),
                               listRows<kDefinitionList, kDl, kDt, kDd>()))

} // namespace guard
