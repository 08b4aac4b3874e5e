#include "driver/EvalContext.h"

#include <mutex>

#include "platform/FileLocation.h"
#include "platform/ModuleTable.h"
#include "platform/ProcessLocations.h"
#include "platform/posix/SqliteSettingStore.h"

namespace guard {

namespace {

// A folder derived from another, made on disk at its first use.
class DerivedFolder {
public:
    template <class Parent>
    const FileLocation& get(Parent parent, const char* name)
    {
        std::call_once(once_, [&] {
            FileLocation folder = parent().Join(name);
            folder.CreateDirectory();
            folder_ = folder;
        });
        return folder_;
    }

private:
    std::once_flag once_;
    FileLocation folder_;
};

DerivedFolder dataFolderOnce;
DerivedFolder globalFolderOnce;

const FileLocation& dataFolderLocation()
{
    return dataFolderOnce.get([] { return Platform::storageLocation(); }, "__ArdoData");
}

const FileLocation& globalDataFolderLocation()
{
    return globalFolderOnce.get([] { return dataFolderLocation(); }, "__Global");
}

std::size_t noSites() { return 0; }
bool noSiteText(std::size_t, std::string&) { return false; }
bool noSiteVersion(std::size_t, std::uint64_t&) { return false; }
std::uint32_t noProcessTable() { return 0; }
bool noCustomSite(std::string_view, char*, std::size_t) { return false; }

} // namespace

SettingStore& ArdoSettingsContext::clientSettingStore() { return Platform::clientSettingStore(); }

SettingStore& ArdoSettingsContext::siteSettingStore() { return Platform::siteSettingStore(); }

void EvalContext::fillFunctionTables(bool)
{
    InspectorStorageContext::dataFolder = [] { return dataFolderLocation().Path(); };
    InspectorStorageContext::globalDataFolder = [] { return globalDataFolderLocation().Path(); };
    checkLibLocation = [] { Platform::libLocation(); };

    siteCount = noSites;
    siteName = noSiteText;
    siteVersion = noSiteVersion;
    siteUrl = noSiteText;

    tableVersion = noProcessTable;
    processCount = noProcessTable;
    lastChange = noProcessTable;

    lookupCustomSite = noCustomSite;
    findModule = [](std::string_view name) { return Platform::processModules().find(name); };
    moduleAt = [](std::size_t index) { return Platform::processModules().at(index); };
}

} // namespace guard
