#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>

#include "crypto/OpenSslCertificateContext.h"
#include "registry/InspectorContext.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

struct CertificateFree {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
using Certificate = std::unique_ptr<X509, CertificateFree>;

// A self-signed certificate valid from `notBefore` (seconds since 1970).
Certificate makeCertificate(time_t notBefore)
{
    EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256");
    Certificate certificate(X509_new());
    X509_set_version(certificate.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), 7);
    ASN1_TIME_set(X509_getm_notBefore(certificate.get()), notBefore);
    ASN1_TIME_set(X509_getm_notAfter(certificate.get()), notBefore + 86400);
    X509_NAME* name = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("test"), -1, -1, 0);
    X509_set_issuer_name(certificate.get(), name);
    X509_set_pubkey(certificate.get(), key);
    X509_sign(certificate.get(), key, EVP_sha256());
    EVP_PKEY_free(key);
    return certificate;
}

// The context of an evaluation that holds certificates.
class CertificateEvaluationContext : public InspectorContext, public OpenSSLCertificateContext { };

} // namespace

TEST(Certificate, Sha1IsTheDigestOfTheDerEncoding)
{
    Certificate certificate = makeCertificate(1700438400);
    unsigned char* der = nullptr;
    int size = i2d_X509(certificate.get(), &der);
    ASSERT_GT(size, 0);
    unsigned char digest[20];
    ASSERT_EQ(EVP_Digest(der, static_cast<std::size_t>(size), digest, nullptr, EVP_sha1(), nullptr), 1);
    OPENSSL_free(der);
    std::string ofDer;
    for (unsigned char byte : digest) {
        ofDer += "0123456789abcdef"[byte >> 4];
        ofDer += "0123456789abcdef"[byte & 15];
    }
    OpenSSLCertificateContext crypto;
    char ofCertificate[40];
    crypto.certificateSha1(certificate.get(), ofCertificate);
    EXPECT_EQ(std::string_view(ofCertificate, 40), ofDer);
    for (char c : std::string_view(ofCertificate, 40))
        EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) << c;
}

TEST(Certificate, InvalidBeforeIsTheStartOfValidityInMicroseconds)
{
    OpenSSLCertificateContext crypto;
    for (time_t start : {time_t(1700438400), time_t(0), time_t(-86400 * 365), time_t(4102444800)}) {
        Certificate certificate = makeCertificate(start);
        EXPECT_EQ(crypto.certificateInvalidBefore(certificate.get()), std::int64_t(start) * 1000000) << start;
    }
    EXPECT_THROW(crypto.certificateInvalidBefore(nullptr), NoSuchObject);
    char text[40];
    EXPECT_THROW(crypto.certificateSha1(nullptr, text), NoSuchObject);
}

// No question can make a certificate, so the row is called as the evaluator
// would call it, with the certificate value and the evaluation's context.
TEST(Certificate, InvalidBeforeRowAnswersTheTime)
{
    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* type = registry.findType("x509 certificate");
    ASSERT_NE(type, nullptr);
    const PropertyRecord* row = registry.findProperty(type, "invalid before", registry.worldType()).record;
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(std::string_view(row->resultTypeName), "time");
    ASSERT_NE(row->perOperand, nullptr);

    CertificateEvaluationContext context;
    InlineStackAllocator<256> allocator;
    InstalledEvaluation installed(&context, &allocator);
    for (time_t start : {time_t(1234567890), time_t(-86400)}) {
        Certificate certificate = makeCertificate(start);
        const void* value = certificate.get();
        std::int64_t time = 0;
        alignas(16) char state[16] = {};
        ASSERT_LE(row->stateSize, sizeof state);
        EXPECT_TRUE(row->perOperand(&time, nullptr, &value, state, row->context)) << start;
        EXPECT_EQ(time, std::int64_t(start) * 1000000) << start;
    }
    const void* none = nullptr;
    std::int64_t time = 0;
    alignas(16) char state[16] = {};
    EXPECT_THROW(row->perOperand(&time, nullptr, &none, state, row->context), NoSuchObject);
}

} // namespace guard
