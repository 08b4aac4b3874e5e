// "tuple string items of S" and "tuple string item N of S": the text is
// checked whole before the first item is given, so a text that goes bad
// further on yields nothing at all.
#include "Inspectors/Portable/TupleStrings.h"

#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// The item without its parentheses when it is written whole in them.
std::string_view unwrapped(std::string_view item)
{
    if (item.empty() || item.front() != '(')
        return item;
    std::size_t depth = 0, close = 0;
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '(')
            ++depth;
        else if (item[i] == ')' && --depth == 0) {
            close = i;
            break;
        }
    }
    if (close + 1 != item.size())
        return item;
    std::string_view inner = item.substr(1, item.size() - 2);
    if (inner.size() < 2 || inner.front() != ' ' || inner.back() != ' ')
        throw BadTupleString();
    return inner.substr(1, inner.size() - 2);
}

} // namespace

bool TupleStringReader::next(std::string_view& item)
{
    if (done_)
        return false;
    std::size_t depth = 0;
    for (std::size_t i = at_; i < text_.size(); ++i) {
        char byte = text_[i];
        if (byte == '(') {
            ++depth;
        } else if (byte == ')') {
            if (depth == 0)
                throw MismatchedParentheses();
            --depth;
        } else if (byte == ',' && depth == 0) {
            if (i + 1 == text_.size() || text_[i + 1] != ' ')
                throw BadTupleString();
            item = unwrapped(text_.substr(at_, i - at_));
            at_ = i + 2;
            return true;
        }
    }
    if (depth != 0)
        throw MismatchedParentheses();
    item = unwrapped(text_.substr(at_));
    done_ = true;
    return true;
}

std::size_t checkTupleString(std::string_view text)
{
    TupleStringReader reader(text);
    std::size_t count = 0;
    for (std::string_view item; reader.next(item);)
        ++count;
    return count;
}

namespace {

// Both failures of a tuple string are "no value" to a question.
template <class F>
auto readingTupleString(F&& read)
{
    try {
        return read();
    } catch (const BadTupleString&) {
        throw NoSuchObject();
    } catch (const MismatchedParentheses&) {
        throw NoSuchObject();
    }
}

class TupleStringItems {
public:
    bool first(String& out, const String& text)
    {
        readingTupleString([&] { return checkTupleString(text.view()); });
        reader_ = TupleStringReader(text.view());
        return next(out);
    }
    bool next(String& out)
    {
        std::string_view item;
        if (!reader_.next(item))
            return false;
        out = String::over(item);
        return true;
    }

private:
    TupleStringReader reader_{std::string_view()};
};

std::optional<String> tupleStringItem(std::int64_t index, const String& text)
{
    if (index < 0)
        return std::nullopt;
    return readingTupleString([&]() -> std::optional<String> {
        checkTupleString(text.view());
        TupleStringReader reader(text.view());
        std::string_view item;
        for (std::int64_t i = 0; reader.next(item); ++i)
            if (i == index)
                return String::over(item);
        return std::nullopt;
    });
}

} // namespace

GUARD_INSPECTORS(iterated<Shape::Of, TupleStringItems>("tuple string item", "tuple string items"),
                 property<Shape::KeyedOf, tupleStringItem>("tuple string item", "tuple string items"))

} // namespace guard
