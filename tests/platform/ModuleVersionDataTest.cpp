#include "platform/ModuleVersionData.h"

#include <gtest/gtest.h>

namespace guard {

namespace {

TEST(ModuleVersionData, TheProgramCarriesItsNameAndReleaseVersion)
{
    Platform::ModuleHandle self = Platform::hostApplicationModule();
    EXPECT_EQ(Platform::moduleVersionString(self, "040904b0", "ModuleName"), "guard");
    auto version = Platform::moduleVersionString(self, "040904b0", "ProductVersion");
    ASSERT_TRUE(version.has_value());
    EXPECT_FALSE(version->empty());
    EXPECT_EQ(Platform::moduleVersionString(self, "040904b0", "FileVersion"), version);
}

TEST(ModuleVersionData, OtherModulesBlocksAndKeysHaveNone)
{
    Platform::ModuleHandle self = Platform::hostApplicationModule();
    int other = 0;
    EXPECT_FALSE(Platform::moduleVersionString(nullptr, "040904b0", "ModuleName"));
    EXPECT_FALSE(Platform::moduleVersionString(&other, "040904b0", "ModuleName"));
    EXPECT_FALSE(Platform::moduleVersionString(self, "040704b0", "ModuleName"));
    EXPECT_FALSE(Platform::moduleVersionString(self, "040904b0", "modulename"));
    EXPECT_FALSE(Platform::moduleVersionString(self, "040904b0", "ModuleNam"));
    EXPECT_FALSE(Platform::moduleVersionString(self, "040904b0", ""));
}

} // namespace

} // namespace guard
