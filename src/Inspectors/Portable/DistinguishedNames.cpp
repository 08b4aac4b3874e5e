// "distinguished name KEY", its components and their type and value. The
// name is checked whole when it is made; its components are read again
// from its text when asked for, as views into it.
#include <cstdint>
#include "Inspectors/Portable/DistinguishedNames.h"

#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// Drops the blanks around an element; a blank escaped by a backslash stays.
std::string_view withoutBlanks(std::string_view element)
{
    while (!element.empty() && element.front() == ' ')
        element.remove_prefix(1);
    while (!element.empty() && element.back() == ' ') {
        std::size_t backslashes = 0;
        for (std::size_t i = element.size() - 1; i > 0 && element[i - 1] == '\\'; --i)
            ++backslashes;
        if (backslashes % 2 == 1)
            break;
        element.remove_suffix(1);
    }
    return element;
}

std::string_view checkedElement(std::string_view element)
{
    element = withoutBlanks(element);
    std::size_t equals = element.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw BadDistinguishedName();
    return element;
}

} // namespace

bool DistinguishedNameReader::next(std::string_view& element)
{
    if (done_)
        return false;
    bool quoted = false;
    for (std::size_t i = at_; i < name_.size(); ++i) {
        char byte = name_[i];
        if (byte == '\\') {
            if (++i == name_.size())
                throw BadDistinguishedName();
        } else if (byte == '"') {
            quoted = !quoted;
        } else if (byte == ',' && !quoted) {
            element = checkedElement(name_.substr(at_, i - at_));
            at_ = i + 1;
            return true;
        }
    }
    if (quoted)
        throw BadDistinguishedName();
    element = checkedElement(name_.substr(at_));
    done_ = true;
    return true;
}

std::size_t checkDistinguishedName(std::string_view name)
{
    DistinguishedNameReader reader(name);
    std::size_t count = 0;
    for (std::string_view element; reader.next(element);)
        ++count;
    return count;
}

std::string_view elementType(std::string_view element) { return element.substr(0, element.find('=')); }

std::string_view elementValue(std::string_view element)
{
    std::size_t equals = element.find('=');
    return equals == std::string_view::npos ? std::string_view() : element.substr(equals + 1);
}

// "distinguished name" and "distinguished name component", kinds of
// "string" whose text is the name, or the element's "type=value".
struct DistinguishedName {
    String text;
};

struct DistinguishedNameComponent {
    String text;
};

template <>
struct GuardType<DistinguishedName> {
    static constexpr const char* name = "distinguished name";
    static constexpr std::uint32_t valueSize = 12; // the size the language gives it
    static constexpr const char* base = "string";
};

template <>
struct GuardType<DistinguishedNameComponent> {
    static constexpr const char* name = "distinguished name component";
    static constexpr std::uint32_t valueSize = 8; // the size the language gives it
    static constexpr const char* base = "string";
};

namespace {

DistinguishedName distinguishedName(const String& text)
{
    try {
        checkDistinguishedName(text.view());
    } catch (const BadDistinguishedName&) {
        throw NoSuchObject();
    }
    return DistinguishedName{text};
}

// The name was checked when it was made: reading it again cannot fail.
class Components {
public:
    bool first(DistinguishedNameComponent& out, const DistinguishedName& name)
    {
        reader_ = DistinguishedNameReader(name.text.view());
        return next(out);
    }
    bool next(DistinguishedNameComponent& out)
    {
        std::string_view element;
        if (!reader_.next(element))
            return false;
        out = DistinguishedNameComponent{String::over(element)};
        return true;
    }

private:
    DistinguishedNameReader reader_{std::string_view()};
};

std::optional<DistinguishedNameComponent> component(std::int64_t index, const DistinguishedName& name)
{
    DistinguishedNameReader reader(name.text.view());
    std::string_view element;
    for (std::int64_t i = 0; reader.next(element); ++i)
        if (i == index)
            return DistinguishedNameComponent{String::over(element)};
    return std::nullopt;
}

String componentType(const DistinguishedNameComponent& part) { return String::over(elementType(part.text.view())); }
String componentValue(const DistinguishedNameComponent& part) { return String::over(elementValue(part.text.view())); }

} // namespace

GUARD_INSPECTORS(type<DistinguishedName>(), type<DistinguishedNameComponent>(),
                 iterated<Shape::Of, Components>("component", "components"),
                 property<Shape::Keyed, distinguishedName>("distinguished name", "distinguished names"),
                 property<Shape::KeyedOf, component>("component", "components"),
                 property<Shape::Of, componentType>("type", "types"),
                 property<Shape::Of, componentValue>("value", "values"))

} // namespace guard
