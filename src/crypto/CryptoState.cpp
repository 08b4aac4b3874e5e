#include "crypto/CryptoState.h"

namespace guard {

namespace {

// Written once at start-up, before any evaluation; read afterwards.
bool wanted = false;
std::string failure;

} // namespace

void recordCryptoState(bool fipsWanted, std::string failureMessage)
{
    wanted = fipsWanted;
    failure = std::move(failureMessage);
}

bool recordedFipsWanted() { return wanted; }

std::string_view recordedFipsFailureMessage() { return failure; }

} // namespace guard
