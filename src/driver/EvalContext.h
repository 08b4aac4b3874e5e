#pragma once
// The evaluation context both modes evaluate under: one InspectorContext
// with every facet the program's inspectors look up.
//
// Storage: the data folder is the storage location joined with
// "__ArdoData", the global data folder that joined with "__Global"; each is
// created on disk when first asked for and kept for the run. Library: the
// process's module table (custom sites: none). Sites and the process table:
// nothing is available. fillFunctionTables() installs the functions; until
// then using a facet throws FacetNotFilled. Cryptography (SHA-1) and
// certificates: on the library's default context; FIPS: what start-up
// recorded. Settings: the process's client and site setting stores.
#include "crypto/OpenSSLCryptoInspectorContext.h"
#include "crypto/OpenSslCertificateContext.h"
#include "registry/ContextFacets.h"
#include "registry/InspectorContext.h"

namespace guard {

class ArdoSettingsContext : public InspectorSettingsContext {
public:
    SettingStore& clientSettingStore() override;
    SettingStore& siteSettingStore() override;
};

class EvalContext : public InspectorContext,
                    public InspectorStorageContext,
                    public InspectorSiteContext,
                    public InspectorProcessTableContext,
                    public InspectorLibraryContext,
                    public OpenSSLCryptoInspectorContext,
                    public OpenSSLCertificateContext,
                    public ArdoSettingsContext,
                    public EvalFipsContext {
public:
    EvalContext() = default;

    // Installs the facets' functions; with `refresh` the site list is loaded
    // now (there are no sites to load in this program).
    void fillFunctionTables(bool refresh);
};

} // namespace guard
