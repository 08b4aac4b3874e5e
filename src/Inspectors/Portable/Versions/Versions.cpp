// "version": reading, writing, padding and comparing dotted versions, with
// each other and with text, and their aggregates.
#include <algorithm>
#include <compare>
#include <optional>
#include <vector>

#include "Inspectors/Portable/ValueBundles.h"
#include "Inspectors/Portable/Versions/WindowsVersion.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace ValueBundle {

// The unique values of versions. Equality of versions is a prefix relation
// ("1.2" equals both "1.2.3" and "1.2.4", which differ), so the values are
// sorted by their components and then their count (a prefix before its
// extensions) and each value joins the group of the first value of its run
// that it extends. The group is shown by that first value, the shortest:
// the unique values of "1.2.3", "1.2" and "1.2.4" are one value, "1.2", of
// multiplicity 3, whatever the order they came in.
template <>
class UniqueValues<WindowsVersion> {
public:
    void add(const WindowsVersion& value) { values_.push_back(value); }
    bool first(WithMultiplicity<WindowsVersion>& out)
    {
        std::sort(values_.begin(), values_.end(), [](const WindowsVersion& a, const WindowsVersion& b) {
            auto order =
                std::lexicographical_compare_three_way(a.components, a.components + 4, b.components, b.components + 4);
            if (order != 0)
                return order < 0;
            return a.count < b.count;
        });
        at_ = 0;
        return next(out);
    }
    bool next(WithMultiplicity<WindowsVersion>& out)
    {
        if (at_ == values_.size())
            return false;
        const WindowsVersion& head = values_[at_];
        std::size_t end = at_ + 1;
        while (end < values_.size() && values_[end] == head)
            ++end;
        out = WithMultiplicity<WindowsVersion>{head, end - at_};
        at_ = end;
        return true;
    }

private:
    std::vector<WindowsVersion> values_;
    std::size_t at_ = 0;
};

} // namespace ValueBundle

namespace {

std::optional<WindowsVersion> versionFromText(const String& text) { return readVersion(text.view()); }

String versionAsString(const WindowsVersion& version)
{
    char text[kMaxVersionTextLength];
    return String::copy(text, writeVersion(version, text));
}

WindowsVersion versionAsVersion(const WindowsVersion& version) { return version; }

// The same components, extended with zeros to four.
WindowsVersion pad(const WindowsVersion& version)
{
    WindowsVersion padded = version;
    padded.count = 4;
    return padded;
}

// Comparisons with text: the text is read as a version; one that does not
// read has no answer.
WindowsVersion readOperand(const String& text)
{
    std::optional<WindowsVersion> version = readVersion(text.view());
    if (!version)
        throw NoSuchObject();
    return *version;
}

bool versionEqualsText(const WindowsVersion& left, const String& right) { return left == readOperand(right); }
bool versionLessThanText(const WindowsVersion& left, const String& right) { return left < readOperand(right); }
bool versionAtMostText(const WindowsVersion& left, const String& right)
{
    return compareVersions(left, readOperand(right)) <= 0;
}
bool textEqualsVersion(const String& left, const WindowsVersion& right) { return readOperand(left) == right; }
bool textLessThanVersion(const String& left, const WindowsVersion& right) { return readOperand(left) < right; }
bool textAtMostVersion(const String& left, const WindowsVersion& right)
{
    return compareVersions(readOperand(left), right) <= 0;
}

} // namespace

GUARD_INSPECTORS(type<WindowsVersion>(), property<Shape::Keyed, versionFromText>("version", "versions"),
                 property<Shape::Of, pad>("pad", "pads"), cast<versionAsString>("string"),
                 cast<versionAsVersion>("version"), binary<kEqual, versionEqualsText>(),
                 binary<kLessThan, versionLessThanText>(), binary<kLessThanOrEqual, versionAtMostText>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<WindowsVersion>())

// The version rows of "string".
GUARD_INSPECTORS(cast<versionFromText>("version"), binary<kEqual, textEqualsVersion>(),
                 binary<kLessThan, textLessThanVersion>(), binary<kLessThanOrEqual, textAtMostVersion>())

} // namespace guard
