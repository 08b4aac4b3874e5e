#include "crypto/CryptoInitialization.h"

namespace guard {

bool InitializeCrypto(const FileLocation&) { return true; }

} // namespace guard
