#pragma once
// The certificate services of the evaluation context, on the library's
// default context: the SHA-1 digest of a certificate and the start of its
// validity. And the FIPS state recorded at start-up, with the library's mode
// at the moment of asking.
#include "registry/ContextFacets.h"

namespace guard {

class OpenSSLCertificateContext : public CertificateInspectorContext {
public:
    void certificateSha1(const void* certificate, char (&digits)[kSha1TextSize]) override;
    std::int64_t certificateInvalidBefore(const void* certificate) override;
};

class EvalFipsContext : public InspectorFipsContext {
public:
    bool fipsMode() override;
    bool desiredFipsMode() override;
    std::string_view fipsModeFailureMessage() override;
};

} // namespace guard
