#include "crypto/OpenSSLCryptoInspectorContext.h"

#include <openssl/evp.h>

#include "pipeline/HexDigits.h"

namespace guard {

void OpenSSLCryptoInspectorContext::sha1(std::string_view bytes, char (&digits)[40])
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha1(), nullptr) != 1 || length != 20)
        throw CryptoServiceFailed();
    for (unsigned int i = 0; i < 20; ++i) {
        digits[2 * i] = kLowercaseHexDigits[digest[i] >> 4];
        digits[2 * i + 1] = kLowercaseHexDigits[digest[i] & 15];
    }
}

} // namespace guard
