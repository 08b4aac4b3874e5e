// "cryptography": the state of the cryptographic module (FIPS mode, whether
// it was wanted, why entering it failed), read from the context's FIPS
// facet; "x509 certificate": a certificate of the cryptographic library,
// read through the context's certificate facet (its SHA-1 digest and the
// start of its validity). No row of this program makes a certificate;
// hosts that hold certificates hand them to inspectors as values of this
// type.
#include "Inspectors/Portable/Time/TimeValues.h"
#include "registry/ContextFacets.h"
#include "registry/Inspectors.h"

namespace guard {

struct Cryptography {
    char unused = 0;
};

template <>
struct GuardType<Cryptography> {
    static constexpr const char* name = "cryptography";
};

// The library's certificate object, not owned by the value.
struct X509Certificate {
    const void* certificate;
};

template <>
struct GuardType<X509Certificate> {
    static constexpr const char* name = "x509 certificate";
};

namespace {

Cryptography cryptography() { return Cryptography{}; }

bool fipsMode(Cryptography) { return contextAs<InspectorFipsContext>().fipsMode(); }

bool desiredFipsMode(Cryptography) { return contextAs<InspectorFipsContext>().desiredFipsMode(); }

// The message lives for the whole run: the answer is a view of it.
String fipsModeFailureMessage(Cryptography)
{
    return String::over(contextAs<InspectorFipsContext>().fipsModeFailureMessage());
}

String certificateSha1(X509Certificate certificate)
{
    char digits[CertificateInspectorContext::kSha1TextSize];
    contextAs<CertificateInspectorContext>().certificateSha1(certificate.certificate, digits);
    return String::copy(digits, digits + sizeof digits);
}

// The start of the certificate's validity.
Time certificateInvalidBefore(X509Certificate certificate)
{
    return Time{contextAs<CertificateInspectorContext>().certificateInvalidBefore(certificate.certificate)};
}

} // namespace

GUARD_INSPECTORS(type<Cryptography>(), property<Shape::Global, cryptography>("cryptography", "cryptographies"),
                 property<Shape::Of, fipsMode>("fips mode", "fips modes"),
                 property<Shape::Of, desiredFipsMode>("desired fips mode", "desired fips modes"),
                 property<Shape::Of, fipsModeFailureMessage>("fips mode failure message", "fips mode failure messages"))
GUARD_INSPECTORS(type<X509Certificate>(), property<Shape::Of, certificateSha1>("sha1", "sha1s"),
                 property<Shape::Of, certificateInvalidBefore>("invalid before", "invalid befores"))

} // namespace guard
