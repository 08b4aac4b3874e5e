#pragma once
// "html": HTML text held as a tree of pieces, written out only when its text
// is asked for.
//
// Building an html value never copies the text it is built from: a piece
// refers to its string, to the pieces it joins or to the content of its
// element, all of which stay valid as long as the value does (they are the
// operands of the node that made it, or older values beneath them in the
// allocator). Pieces live in the current thread's allocator. `htmlText`
// writes the whole text with one allocation of its computed length (none at
// all when the value is one piece of markup).
//
// Plain text entering an html value is escaped: "&" "<" ">" and the double
// quote become "&amp;" "&lt;" "&gt;" "&quot;"; every other byte, those from
// 0x80 up included, is kept as it is.
#include <cstdint>
#include <string>
#include <string_view>

#include "registry/CoreValues.h"

namespace guard {

struct HtmlPiece;

// An html value: the root of its pieces; null is the empty text.
struct Html {
    const HtmlPiece* root = nullptr;
};

template <>
struct GuardType<Html> {
    static constexpr const char* name = "html";
};

// "html attribute list": the written attributes, name="value" pairs
// separated by single blanks (the values escaped).
struct HtmlAttributeList {
    String text;
};

template <>
struct GuardType<HtmlAttributeList> {
    static constexpr const char* name = "html attribute list";
};

struct HtmlPiece {
    enum class Kind : std::uint8_t {
        Markup,       // `text` as it is
        Escaped,      // `text` escaped
        Join,         // `first` then `second`
        Element,      // <`text` `attributes`>`second`</`text`>
        EmptyElement, // <`text` `attributes`/>
    };
    Kind kind;
    std::uint64_t length; // of the written text
    String text;
    String attributes;
    Html first;
    Html second;
};

// The length in bytes of the written text.
inline std::uint64_t htmlLength(Html value) { return value.root ? value.root->length : 0; }

// `text` taken as HTML, not escaped.
Html htmlMarkup(String text);
// The text an aggregate has built, taken as HTML.
Html htmlMarkup(const std::string& text);
// A view of the text an aggregate has built; text longer than a string can
// hold (4 GiB) throws std::bad_alloc.
String stringView(const std::string& text);
// `text` escaped.
Html htmlEscaped(String text);
// `first` followed by `second`.
Html htmlJoin(Html first, Html second);
// The element <name attributes>content</name>; the blank before the
// attributes is written only when there are attributes.
Html htmlElement(String name, String attributes, Html content);
// The empty element <name attributes/>, or <name/> without attributes.
Html htmlEmptyElement(String name, String attributes);

// The written text, in the current thread's allocator (a view of the text
// when the value is one piece of markup). Text longer than a string can hold
// (4 GiB) throws std::bad_alloc.
String htmlText(Html value);

// The length of `text` escaped.
std::uint64_t escapedLength(std::string_view text);
// Appends `text` escaped.
void appendEscaped(std::string& to, std::string_view text);
// Appends the written text of `value`.
void appendHtml(std::string& to, Html value);

} // namespace guard
