// "site version list": reading and writing lists of counters, their
// components and whether one list is at least another at every place.
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/ValueBundles.h"
#include "Inspectors/Portable/Versions/SiteVersionList.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

SiteVersionList siteVersionListFromText(const String& text) { return readSiteVersionList(text.view()); }

String siteVersionListAsString(const SiteVersionList& list)
{
    char text[kMaxSiteVersionListText];
    return String::copy(text, writeSiteVersionList(list, text));
}

// "component N": no value below 0, 0 from 128 up.
std::optional<std::int64_t> component(std::int64_t index, const SiteVersionList& list)
{
    if (index < 0)
        return std::nullopt;
    if (index >= std::int64_t(SiteVersionList::kComponents))
        return 0;
    return list.components[std::size_t(index)];
}

bool contains(const SiteVersionList& left, const SiteVersionList& right)
{
    for (std::size_t i = 0; i < SiteVersionList::kComponents; ++i) {
        if (left.components[i] < right.components[i])
            return false;
    }
    return true;
}

} // namespace

GUARD_INSPECTORS(type<SiteVersionList>(),
                 property<Shape::Keyed, siteVersionListFromText>("site version list", "site version lists"),
                 property<Shape::KeyedOf, component>("component", "components"),
                 cast<siteVersionListAsString>("string"), binary<kContains, contains>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<SiteVersionList>())

// The site version list row of "string".
GUARD_INSPECTORS(cast<siteVersionListFromText>("site version list"))

} // namespace guard
