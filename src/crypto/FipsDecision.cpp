#include "crypto/FipsDecision.h"

#include <algorithm>

namespace guard {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

} // namespace

std::optional<FipsDecision> decideFipsBySetting(std::optional<std::string_view> setting)
{
    if (setting && equalIgnoringCase(*setting, "required"))
        return FipsDecision::EnabledBySetting;
    if (setting && equalIgnoringCase(*setting, "none"))
        return FipsDecision::DisabledBySetting;
    return std::nullopt;
}

FipsDecision decideFips(std::optional<std::string_view> setting, bool mastheadWantsFips)
{
    if (std::optional<FipsDecision> bySetting = decideFipsBySetting(setting))
        return *bySetting;
    return mastheadWantsFips ? FipsDecision::EnabledByMasthead : FipsDecision::DisabledByDefault;
}

bool isFipsWanted(FipsDecision decision)
{
    return decision == FipsDecision::EnabledBySetting || decision == FipsDecision::EnabledByMasthead;
}

std::string_view fipsDecisionLine(FipsDecision decision)
{
    switch (decision) {
    case FipsDecision::EnabledBySetting: return "FIPS mode enabled by setting.";
    case FipsDecision::DisabledBySetting: return "FIPS mode disabled by setting.";
    case FipsDecision::EnabledByMasthead: return "FIPS mode enabled by masthead.";
    case FipsDecision::DisabledByDefault: break;
    }
    return "FIPS mode disabled by default.";
}

} // namespace guard
