// Fuzz target: regular expression patterns and subjects.
//
// Input: one flags byte (bit 0: case insensitive), then the pattern up to
// the first line feed, then the subject (which may hold NUL bytes). A
// pattern that compiles is searched from every offset of the subject (at
// most kMaxSearches searches). Every search ends with a match, no match or
// RegExec_Failed (the matcher's own limit), never a crash or a hang; a
// match lies inside the searched part of the subject, from the search start
// to the first NUL byte after it, and so does every group that took part; a search with the whole
// match only agrees with one that asks for every group.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "Inspectors/Portable/RegExp/RegularExpressions.h"

namespace guard {

namespace {

constexpr std::size_t kMaxSearches = 64;

void searchEverywhere(const RegularExpression& expression, std::string_view subject)
{
    String text(subject.data(), std::uint32_t(subject.size()));
    std::vector<regmatch_t> groups(expression.compiled->re_nsub + 1);
    for (std::size_t from = 0; from <= subject.size() && from < kMaxSearches; ++from) {
        std::size_t end = searchableEnd(text, from);
        fuzz::check(end == std::min(subject.size(), subject.find('\0', from)), "another searchable end");
        bool found = false;
        try {
            found = searchFrom(expression, text, from, groups.data(), groups.size());
        } catch (const RegExec_Failed&) {
            continue;
        }
        regmatch_t whole;
        bool foundAlone = false;
        try {
            foundAlone = searchFrom(expression, text, from, &whole, 1);
        } catch (const RegExec_Failed&) {
            continue;
        }
        fuzz::check(found == foundAlone, "the whole match alone differs");
        if (!found)
            continue;
        fuzz::check(from <= end, "a match past the end");
        fuzz::check(whole.rm_so == groups[0].rm_so && whole.rm_eo == groups[0].rm_eo, "another whole match");
        for (const regmatch_t& group : groups) {
            if (group.rm_so == -1 && &group != &groups[0])
                continue;
            fuzz::check(group.rm_so >= regoff_t(from) && group.rm_so <= group.rm_eo && group.rm_eo <= regoff_t(end),
                        "a group outside the searched text");
        }
    }
}

} // namespace

} // namespace guard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace guard;
    if (size == 0)
        return 0;
    int flags = REG_EXTENDED | ((data[0] & 1) ? REG_ICASE : 0);
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t split = rest.find('\n');
    std::string pattern = rest.substr(0, split);
    std::string subject = split == std::string::npos ? std::string() : rest.substr(split + 1);
    regex_tA compiled{};
    if (regcompA(&compiled, pattern.c_str(), flags) != 0)
        return 0;
    RegularExpression expression{&compiled, String(pattern.data(), std::uint32_t(pattern.size())), flags};
    searchEverywhere(expression, subject);
    regfreeA(&compiled);
    return 0;
}
