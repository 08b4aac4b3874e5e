// "sha1 of S": the digest comes from the context's cryptographic service, as
// 40 lowercase hexadecimal digits. Without a context it fails with
// NoInspectorContext.
#include "registry/ContextFacets.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

String sha1Of(const String& text)
{
    CryptoInspectorContext& crypto = contextAs<CryptoInspectorContext>();
    char digits[40];
    crypto.sha1(text.view(), digits);
    return String::copy(digits, digits + 40);
}

} // namespace

GUARD_INSPECTORS(property<Shape::Of, sha1Of>("sha1", "sha1s"))

} // namespace guard
