#include <gtest/gtest.h>

#include <filesystem>

#include "driver/EvalContext.h"
#include "platform/ModuleTable.h"
#include "platform/ProcessLocations.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

TEST(EvalContext, FacetsAreFoundThroughTheCurrentContext)
{
    EvalContext context;
    InspectorThread::SavedContext saved = InspectorThread::installContext(&context);
    EXPECT_EQ(&contextAs<InspectorStorageContext>(), static_cast<InspectorStorageContext*>(&context));
    EXPECT_THROW(filled(contextAs<InspectorLibraryContext>().findModule), FacetNotFilled);
    context.fillFunctionTables(true);

    Platform::processModules().add("HostApplication", Platform::hostApplicationModule());
    auto& library = contextAs<InspectorLibraryContext>();
    EXPECT_EQ(library.findModule("HostApplication"), Platform::hostApplicationModule());
    EXPECT_EQ(library.findModule("hostapplication"), nullptr);
    EXPECT_EQ(library.moduleAt(0), Platform::hostApplicationModule());
    EXPECT_EQ(library.moduleAt(Platform::processModules().count()), nullptr);
    char buffer[8];
    EXPECT_FALSE(library.lookupCustomSite("any", buffer, sizeof buffer));
    EXPECT_EQ(contextAs<InspectorSiteContext>().siteCount(), 0u);
    InspectorThread::restoreContext(saved);
}

TEST(EvalContext, DataFoldersAreMadeWhenFirstAskedFor)
{
    TempDirectory storage;
    Platform::setStorageLocation(FileLocation(storage.Path()));
    EvalContext context;
    context.fillFunctionTables(true);
    std::string global = storage / "__ArdoData/__Global";
    EXPECT_FALSE(std::filesystem::exists(global));
    EXPECT_EQ(context.globalDataFolder(), global);
    EXPECT_TRUE(std::filesystem::is_directory(global));
    EXPECT_EQ(context.dataFolder(), storage / "__ArdoData");
    Platform::setStorageLocation(FileLocation());
}

} // namespace

} // namespace guard
