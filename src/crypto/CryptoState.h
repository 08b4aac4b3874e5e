#pragma once
// The outcome of the cryptographic start-up, recorded for the whole run:
// whether FIPS mode was wanted, and the failure message ("" when start-up
// succeeded as wanted).
#include <string>
#include <string_view>

namespace guard {

void recordCryptoState(bool fipsWanted, std::string failureMessage);
bool recordedFipsWanted();
std::string_view recordedFipsFailureMessage();

} // namespace guard
