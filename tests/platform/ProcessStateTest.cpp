#include <gtest/gtest.h>

#include <dlfcn.h>

#include "platform/ExecutableLocation.h"
#include "platform/ModuleTable.h"
#include "platform/ProcessLocations.h"

namespace guard {

using Platform::ModuleHandle;
using Platform::ModuleTable;

TEST(ModuleTable, FindsByExactNameAndByIndex)
{
    int first = 0, second = 0, third = 0;
    ModuleTable table;
    table.add("HostApplication", &first);
    table.add("Other", &second);
    table.add("HostApplication", &third);

    EXPECT_EQ(table.find("HostApplication"), &first);
    EXPECT_EQ(table.find("Other"), &second);
    EXPECT_EQ(table.find("hostapplication"), nullptr);
    EXPECT_EQ(table.find("HostApp"), nullptr);
    EXPECT_EQ(table.find(std::string_view("Other\0", 6)), nullptr);
    EXPECT_EQ(table.at(0), &first);
    EXPECT_EQ(table.at(2), &third);
    EXPECT_EQ(table.at(3), nullptr);
    EXPECT_EQ(table.count(), 3u);
}

TEST(ModuleTable, HostApplicationIsTheMainProgram)
{
    // The handle is the main program's load address: the image that holds
    // the program's own code, not a library's.
    ModuleHandle host = Platform::hostApplicationModule();
    ASSERT_NE(host, nullptr);
    Dl_info where{};
    ASSERT_NE(::dladdr(reinterpret_cast<void*>(&Platform::hostApplicationModule), &where), 0);
    EXPECT_EQ(host, where.dli_fbase);
}

TEST(ProcessLocations, UnsetLocationsThrow)
{
    Platform::setStorageLocation(FileLocation());
    Platform::setLibLocation(FileLocation());
    EXPECT_THROW(Platform::storageLocation(), UnsetStorageLocation);
    EXPECT_THROW(Platform::libLocation(), UnsetLibLocation);
    EXPECT_FALSE(Platform::isLibLocationSet());

    Platform::setLibLocation(FileLocation("/opt/guard/ArdoLib"));
    EXPECT_TRUE(Platform::isLibLocationSet());
    Platform::setLibLocation(FileLocation());
}

TEST(ExecutableLocation, IsTheRunningTestProgram)
{
    FileLocation self = Platform::executableLocation();
    ASSERT_FALSE(self.IsEmpty());
    EXPECT_EQ(self.Path().front(), '/');
    EXPECT_TRUE(self.Path().ends_with("/guard_tests")) << self.Path();
    EXPECT_EQ(Platform::executableDirectory(), self.Parent());
    EXPECT_TRUE(Platform::executableDirectory().IsExistingDirectory());
}

} // namespace guard
