#include "crypto/OpenSslCertificateContext.h"

#include <openssl/asn1.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include "crypto/CryptoState.h"
#include "registry/InspectorErrors.h"

namespace guard {

namespace {

constexpr std::size_t kSha1Size = 20;

void writeHex(const unsigned char* digest, char* text)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < kSha1Size; ++i) {
        text[2 * i] = kDigits[digest[i] >> 4];
        text[2 * i + 1] = kDigits[digest[i] & 15];
    }
}

const X509* asCertificate(const void* certificate) { return static_cast<const X509*>(certificate); }

} // namespace

void OpenSSLCertificateContext::certificateSha1(const void* certificate, char (&digits)[kSha1TextSize])
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    // The digest of the certificate's DER encoding.
    if (!certificate || X509_digest(asCertificate(certificate), EVP_sha1(), digest, &size) != 1 || size != kSha1Size) {
        ERR_clear_error();
        throw NoSuchObject();
    }
    writeHex(digest, digits);
}

std::int64_t OpenSSLCertificateContext::certificateInvalidBefore(const void* certificate)
{
    const ASN1_TIME* notBefore = certificate ? X509_get0_notBefore(asCertificate(certificate)) : nullptr;
    // The difference from the start of 1970, so that no local zone of the
    // C library takes part.
    int day = 0, seconds = 0;
    ASN1_TIME* epoch = ASN1_TIME_set(nullptr, 0);
    bool known = notBefore && epoch && ASN1_TIME_diff(&day, &seconds, epoch, notBefore) == 1;
    ASN1_TIME_free(epoch);
    if (!known) {
        ERR_clear_error();
        throw NoSuchObject();
    }
    return (static_cast<std::int64_t>(day) * 86400 + seconds) * 1000000;
}

bool EvalFipsContext::fipsMode() { return EVP_default_properties_is_fips_enabled(nullptr) == 1; }

bool EvalFipsContext::desiredFipsMode() { return recordedFipsWanted(); }

std::string_view EvalFipsContext::fipsModeFailureMessage() { return recordedFipsFailureMessage(); }

} // namespace guard
