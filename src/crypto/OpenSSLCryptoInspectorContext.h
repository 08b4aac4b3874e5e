#pragma once
// The cryptography facet on OpenSSL's EVP interface (default library
// context). A digest the library refuses throws CryptoServiceFailed.
#include "platform/DebuggableException.h"
#include "registry/ContextFacets.h"

namespace guard {

GUARD_EXCEPTION(CryptoServiceFailed, DebuggableException);

class OpenSSLCryptoInspectorContext : public CryptoInspectorContext {
public:
    void sha1(std::string_view bytes, char (&digits)[40]) override;
};

} // namespace guard
