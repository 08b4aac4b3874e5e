#pragma once
// Facets of the host's context that inspectors look up with contextAs<F>().
//
// The storage, site, process-table and library facets are plain tables of
// host functions, empty until the host fills them; calling a function the
// host left empty throws FacetNotFilled.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DebuggableException.h"
#include "platform/SettingStore.h"

namespace guard {

GUARD_EXCEPTION(FacetNotFilled, DebuggableException);
// A custom site's text does not fit the caller's buffer.
GUARD_EXCEPTION(LookupCustomSiteResultBufTooSmall, DebuggableException);

template <class Function>
Function& filled(Function& function)
{
    if (!function)
        throw FacetNotFilled();
    return function;
}

// Folders the host keeps its data in, created when first asked for.
struct InspectorStorageContext {
    std::string (*dataFolder)() = nullptr;
    std::string (*globalDataFolder)() = nullptr;
    // Throws when the library location has not been set.
    void (*checkLibLocation)() = nullptr;
};

// The sites the host subscribes to.
struct InspectorSiteContext {
    std::size_t (*siteCount)() = nullptr;
    bool (*siteName)(std::size_t index, std::string& name) = nullptr;
    bool (*siteVersion)(std::size_t index, std::uint64_t& version) = nullptr;
    bool (*siteUrl)(std::size_t index, std::string& url) = nullptr;
};

// State words of the host's process table.
struct InspectorProcessTableContext {
    std::uint32_t (*tableVersion)() = nullptr;
    std::uint32_t (*processCount)() = nullptr;
    std::uint32_t (*lastChange)() = nullptr;
};

// Host lookups for the library's inspectors: custom sites and the module
// table (by byte-exact name, or by index; null when there is none).
struct InspectorLibraryContext {
    // Copies the site's text into [buffer, buffer + size); false when there
    // is no such site; throws LookupCustomSiteResultBufTooSmall when the text
    // does not fit.
    bool (*lookupCustomSite)(std::string_view name, char* buffer, std::size_t size) = nullptr;
    void* (*findModule)(std::string_view name) = nullptr;
    void* (*moduleAt)(std::size_t index) = nullptr;
};

// The cryptographic services of the host.
class CryptoInspectorContext {
public:
    virtual ~CryptoInspectorContext() = default;
    // The SHA-1 digest of `bytes` as 40 lowercase hexadecimal digits.
    virtual void sha1(std::string_view bytes, char (&digits)[40]) = 0;
};

// Certificates of the cryptographic library, passed as opaque pointers to
// the library's own objects.
class CertificateInspectorContext {
public:
    static constexpr std::size_t kSha1TextSize = 40;

    virtual ~CertificateInspectorContext() = default;
    // The SHA-1 digest of the certificate's DER encoding, written as 40
    // lower-case hexadecimal digits.
    virtual void certificateSha1(const void* certificate, char (&digits)[kSha1TextSize]) = 0;
    // The start of the certificate's validity, in microseconds since 1970 UTC.
    virtual std::int64_t certificateInvalidBefore(const void* certificate) = 0;
};

// Whether the cryptographic module runs in FIPS mode, whether that was
// wanted, and why it failed when it did ("" when it did not).
class InspectorFipsContext {
public:
    virtual ~InspectorFipsContext() = default;
    virtual bool fipsMode() = 0;
    virtual bool desiredFipsMode() = 0;
    virtual std::string_view fipsModeFailureMessage() = 0;
};

// The client setting store and the site setting store.
class InspectorSettingsContext {
public:
    virtual ~InspectorSettingsContext() = default;
    virtual SettingStore& clientSettingStore() = 0;
    virtual SettingStore& siteSettingStore() = 0;
};

} // namespace guard
