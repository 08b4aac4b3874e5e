#pragma once
// How the FIPS mode of the cryptographic module is decided: the client
// setting "_ArdoClient_Cryptography_FipsMode" when it says "required" or
// "none" (ASCII case ignored), otherwise the site masthead.
#include <optional>
#include <string_view>

namespace guard {

inline constexpr std::string_view kFipsModeSetting = "_ArdoClient_Cryptography_FipsMode";

enum class FipsDecision {
    EnabledBySetting = 0,
    DisabledBySetting = 1,
    EnabledByMasthead = 2,
    DisabledByDefault = 3,
};

// What the setting alone decides: nullopt when it is missing or says
// anything but "required" or "none".
std::optional<FipsDecision> decideFipsBySetting(std::optional<std::string_view> setting);
FipsDecision decideFips(std::optional<std::string_view> setting, bool mastheadWantsFips);

bool isFipsWanted(FipsDecision decision);
// "FIPS mode enabled by setting." and so on.
std::string_view fipsDecisionLine(FipsDecision decision);

} // namespace guard
