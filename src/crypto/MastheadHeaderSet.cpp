#include "crypto/MastheadHeaderSet.h"

#include <algorithm>

namespace guard {

namespace {

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Orders `a` (any case) against `b` (lower case) as if both were lower case.
int compareFolded(std::string_view a, std::string_view b)
{
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(foldAscii(a[i]));
        auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::optional<std::size_t> slotOf(std::string_view name)
{
    const auto& names = MastheadHeaderSet::kFieldNames;
    auto found =
        std::lower_bound(names.begin(), names.end(), name, [](std::string_view known, std::string_view wanted) {
            return compareFolded(wanted, known) > 0;
        });
    if (found == names.end() || compareFolded(name, *found) != 0)
        return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

bool isIntegerField(std::string_view name)
{
    return name == "x-ardo-require-fips-cryptography" || name == "x-torvik-site-serial-number" ||
        name == "x-torvik-site-unique-site-id";
}

std::uint32_t integerOf(const std::array<std::uint32_t, MastheadHeaderSet::kFieldCount>& integers,
                        std::string_view name)
{
    return integers[*slotOf(name)];
}

} // namespace

const std::array<std::string_view, MastheadHeaderSet::kFieldCount> MastheadHeaderSet::kFieldNames = {
    "date",
    "from",
    "organization",
    "subject",
    "x-ardo-action-lock-controller",
    "x-ardo-action-lock-initial",
    "x-ardo-action-lock-omit-site",
    "x-ardo-mirror-download-url",
    "x-ardo-mirror-gather-url",
    "x-ardo-require-fips-cryptography",
    "x-organization-common-name",
    "x-relevant-when",
    "x-site-location-absolute-directory",
    "x-torvik-site-assertion",
    "x-torvik-site-bbs",
    "x-torvik-site-codicil",
    "x-torvik-site-gather-url",
    "x-torvik-site-location",
    "x-torvik-site-masthead-version",
    "x-torvik-site-name",
    "x-torvik-site-registration-url",
    "x-torvik-site-report-url",
    "x-torvik-site-serial-number",
    "x-torvik-site-unique-site-id",
    "x-torvik-site-update-frequency",
    "x-web-page",
};

std::optional<std::uint32_t> readMastheadInteger(std::string_view value)
{
    std::uint32_t result = 0;
    bool digitSeen = false;
    for (char c : value) {
        if (c == ' ' || c == '\t')
            continue;
        if (c < '0' || c > '9')
            return std::nullopt;
        auto digit = static_cast<std::uint32_t>(c - '0');
        if (result > (UINT32_MAX - digit) / 10)
            return std::nullopt;
        result = result * 10 + digit;
        digitSeen = true;
    }
    if (!digitSeen)
        return std::nullopt;
    return result;
}

bool MastheadHeaderSet::offer(std::string_view name, std::string_view value)
{
    std::optional<std::size_t> slot = slotOf(name);
    if (!slot)
        return false;
    texts_[*slot] = std::string(value);
    if (isIntegerField(kFieldNames[*slot]))
        if (std::optional<std::uint32_t> integer = readMastheadInteger(value))
            integers_[*slot] = *integer;
    return true;
}

std::uint32_t MastheadHeaderSet::requireFipsCryptography() const
{
    return integerOf(integers_, "x-ardo-require-fips-cryptography");
}

std::uint32_t MastheadHeaderSet::serialNumber() const { return integerOf(integers_, "x-torvik-site-serial-number"); }

std::uint32_t MastheadHeaderSet::uniqueSiteId() const { return integerOf(integers_, "x-torvik-site-unique-site-id"); }

std::string_view MastheadHeaderSet::text(std::string_view name) const
{
    std::optional<std::size_t> slot = slotOf(name);
    return slot ? std::string_view(texts_[*slot]) : std::string_view();
}

} // namespace guard
