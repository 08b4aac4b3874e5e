#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <openssl/rand.h>

#include <mutex>

#include "crypto/CryptoLibrary.h"

namespace guard {

namespace {

constexpr int kRandomReadyAttempts = 3;

// The text of the first error in the library's queue, which is emptied.
std::string takeErrorText()
{
    unsigned long first = ERR_peek_error();
    std::string text;
    if (first != 0) {
        char buffer[256];
        ERR_error_string_n(first, buffer, sizeof buffer);
        text = buffer;
    }
    ERR_clear_error();
    return text;
}

// OpenSSL 3 locks for itself (no thread callbacks to install) and frees its
// state at process exit through its own handler.
class OpenSslLibrary final : public CryptoLibrary {
public:
    void setUp() override
    {
        std::call_once(setUp_, [] {
            OPENSSL_init_crypto(OPENSSL_INIT_LOAD_CRYPTO_STRINGS | OPENSSL_INIT_ADD_ALL_DIGESTS, nullptr);
            for (int attempt = 0; attempt < kRandomReadyAttempts && RAND_status() != 1; ++attempt)
                RAND_poll();
        });
    }

    bool fipsMode() override { return EVP_default_properties_is_fips_enabled(nullptr) == 1; }

    void setFipsMode(bool on) override
    {
        if (!on) {
            EVP_default_properties_enable_fips(nullptr, 0);
            ERR_clear_error();
            return;
        }
        // The FIPS provider is tried in a library context of its own first: a
        // failed load in the default context would leave it unable to find
        // even the default provider's digests afterwards.
        OSSL_LIB_CTX* probe = OSSL_LIB_CTX_new();
        OSSL_PROVIDER* probed = probe ? OSSL_PROVIDER_load(probe, "fips") : nullptr;
        if (!probed) {
            std::string text = takeErrorText();
            OSSL_LIB_CTX_free(probe);
            throw Ardo_FIPS_mode_set_Failed(text);
        }
        OSSL_PROVIDER_unload(probed);
        OSSL_LIB_CTX_free(probe);
        if (!OSSL_PROVIDER_load(nullptr, "fips") || !OSSL_PROVIDER_load(nullptr, "base") ||
            EVP_default_properties_enable_fips(nullptr, 1) != 1)
            throw Ardo_FIPS_mode_set_Failed(takeErrorText());
    }

private:
    std::once_flag setUp_;
};

} // namespace

Ardo_FIPS_mode_set_Failed::Ardo_FIPS_mode_set_Failed(std::string text)
    : TextException(text.empty() ? "class Ardo_FIPS_mode_set_Failed" : std::move(text))
{
}

CryptoLibrary& openSslLibrary()
{
    static OpenSslLibrary library;
    return library;
}

} // namespace guard
