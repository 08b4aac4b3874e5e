// "concatenation" and "html concatenation" of plural html, and
// "concatenation" with an html separator of plural strings: the values
// joined in order, with the separator (when there is a key) between
// consecutive ones; strings, separators included, are escaped on the way in.
// No values give the empty html.
#include <string>

#include "Inspectors/Portable/Html/HtmlText.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

void append(std::string& to, const String& text) { appendEscaped(to, text.view()); }
void append(std::string& to, const Html& value) { appendHtml(to, value); }

// The source values are valid only until the source moves on, so their text
// is written into the running text as they come.
template <class Item>
class Concatenation {
public:
    void add(const Item& item) { append(text_, item); }
    bool result(Html& out) const
    {
        out = htmlMarkup(text_);
        return true;
    }

protected:
    std::string text_;
};

template <class Separator, class Item>
class SeparatedConcatenation : public Concatenation<Item> {
public:
    void add(const Separator& separator, const Item& item)
    {
        if (started_)
            append(this->text_, separator);
        started_ = true;
        append(this->text_, item);
    }

private:
    bool started_ = false;
};

} // namespace

GUARD_INSPECTORS(aggregate<SeparatedConcatenation<Html, String>>("concatenation", "concatenations"),
                 aggregate<Concatenation<Html>>("concatenation", "concatenations"),
                 aggregate<SeparatedConcatenation<String, Html>>("concatenation", "concatenations"),
                 aggregate<SeparatedConcatenation<Html, Html>>("concatenation", "concatenations"),
                 aggregate<Concatenation<Html>>("html concatenation", "html concatenations"),
                 aggregate<SeparatedConcatenation<String, Html>>("html concatenation", "html concatenations"))

} // namespace guard
