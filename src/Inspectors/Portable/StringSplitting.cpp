// Splitting a string at a separator: "substrings separated by", "before",
// "after" and "between". Every piece is a view into the string; an empty
// separator never matches.
#include "Inspectors/Portable/StringValues.h"
#include "registry/Inspectors.h"

#include <string_view>

namespace guard {

namespace {

// The pieces between occurrences of the separator, from the front, each
// search starting after the previous separator. kSkipFirst drops the piece
// before the first separator (and yields nothing without a separator);
// kFollowedOnly drops the piece after the last separator.
template <bool kSkipFirst, bool kFollowedOnly>
class Pieces {
public:
    bool first(Substring& out, const String& separator, const String& text)
    {
        whole_ = text;
        separator_ = separator;
        from_ = 0;
        done_ = false;
        if (separator.empty()) {
            if (kSkipFirst || kFollowedOnly)
                return false;
            done_ = true;
            out = Substring::of(text, 0, text.length);
            return true;
        }
        if (kSkipFirst) {
            std::size_t at = text.view().find(separator.view());
            if (at == std::string_view::npos)
                return false;
            from_ = at + separator.length;
        }
        return next(out);
    }

    bool next(Substring& out)
    {
        if (done_)
            return false;
        std::size_t at = whole_.view().find(separator_.view(), from_);
        auto start = std::uint32_t(from_);
        if (at == std::string_view::npos) {
            done_ = true;
            if (kFollowedOnly)
                return false;
            out = Substring::of(whole_, start, whole_.length - start);
            return true;
        }
        out = Substring::of(whole_, start, std::uint32_t(at) - start);
        from_ = at + separator_.length;
        return true;
    }

private:
    String whole_;
    String separator_;
    std::size_t from_ = 0;
    bool done_ = false;
};

using SeparatedBy = Pieces<false, false>;
using Before = Pieces<false, true>;
using After = Pieces<true, false>;
using Between = Pieces<true, true>;

} // namespace

GUARD_INSPECTORS(iterated<Shape::KeyedOf, Before>("substring before", "substrings before"),
                 iterated<Shape::KeyedOf, After>("substring after", "substrings after"),
                 iterated<Shape::KeyedOf, Between>("substring between", "substrings between"),
                 iterated<Shape::KeyedOf, SeparatedBy>("substring separated by", "substrings separated by"))

} // namespace guard
