#pragma once
// "site version list": 128 unsigned 32-bit counters, compared component by
// component; components never set are 0.
#include <cstdint>
#include <string_view>

#include "registry/CoreValues.h"

namespace guard {

struct SiteVersionList {
    static constexpr std::size_t kComponents = 128;
    std::uint32_t components[kComponents] = {};
};
static_assert(sizeof(SiteVersionList) == 512);

// Reads a list (see ManyVersionLexer.h): every decimal number is the next
// component (its low 32 bits; a number above 2^64 - 1 gives 4294967295),
// commas and blanks (TAB, LF, CR, space) are skipped, and any other byte
// ends the list. Components after the 128th are dropped. Every text reads.
SiteVersionList readSiteVersionList(std::string_view text);

// The components in decimal joined by "," without the trailing zero ones
// ("" for a list of zeros). At most kMaxSiteVersionListText bytes.
inline constexpr std::size_t kMaxSiteVersionListText = SiteVersionList::kComponents * 11;
char* writeSiteVersionList(const SiteVersionList& list, char* out);

// The order of the ordered-value bundle: the components compared in order,
// the first difference deciding.
bool operator==(const SiteVersionList& left, const SiteVersionList& right);
bool operator<(const SiteVersionList& left, const SiteVersionList& right);

template <>
struct GuardType<SiteVersionList> {
    static constexpr const char* name = "site version list";
};

} // namespace guard
