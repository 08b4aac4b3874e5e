#include "Inspectors/Portable/Versions/SiteVersionList.h"

#include <algorithm>
#include <charconv>

#include "Inspectors/Portable/Versions/ManyVersionLexer.h"

namespace guard {

SiteVersionList readSiteVersionList(std::string_view text)
{
    SiteVersionList list;
    ManyVersionMaker maker(list);
    ManyVersionLexer lexer(maker);
    lexer.Start();
    lexer.Receive(text.data(), text.data() + text.size());
    lexer.Finish();
    return list;
}

char* writeSiteVersionList(const SiteVersionList& list, char* out)
{
    std::size_t used = SiteVersionList::kComponents;
    while (used > 0 && list.components[used - 1] == 0)
        --used;
    for (std::size_t i = 0; i < used; ++i) {
        if (i > 0)
            *out++ = ',';
        out = std::to_chars(out, out + 10, list.components[i]).ptr;
    }
    return out;
}

bool operator==(const SiteVersionList& left, const SiteVersionList& right)
{
    return std::equal(left.components, left.components + SiteVersionList::kComponents, right.components);
}

bool operator<(const SiteVersionList& left, const SiteVersionList& right)
{
    return std::lexicographical_compare(left.components, left.components + SiteVersionList::kComponents,
                                        right.components, right.components + SiteVersionList::kComponents);
}

} // namespace guard
