#include <gtest/gtest.h>

#include "platform/FileIOError.h"
#include "platform/FileLocation.h"
#include "support/TempDirectory.h"

namespace guard {

TEST(FileLocation, JoinPutsOneSeparatorBetween)
{
    struct Case {
        const char* location;
        const char* name;
        const char* joined;
    } cases[] = {
        {"/opt/guard", "ArdoLib", "/opt/guard/ArdoLib"},
        {"/opt/guard/", "ActionSite.aqzm", "/opt/guard/ActionSite.aqzm"},
        {"/", "etc", "/etc"},
        {"relative", "x y", "relative/x y"},
        {"a", "", "a/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileLocation(c.location).Join(c.name).Path(), c.joined) << c.location;
}

TEST(FileLocation, ParentDropsTheLastComponent)
{
    struct Case {
        const char* location;
        const char* parent;
    } cases[] = {
        {"/opt/guard/guard", "/opt/guard"},
        {"/opt/guard/", "/opt"},
        {"/opt//guard", "/opt"},
        {"/guard", "/"},
        {"/", "/"},
        {"guard", "."},
        {"dir/guard", "dir"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileLocation(c.location).Parent().Path(), c.parent) << c.location;
}

TEST(FileLocation, EmptyLocationIsRefused)
{
    FileLocation empty;
    EXPECT_THROW(empty.Join("x"), EmptyFileLocationError);
    EXPECT_THROW(empty.Parent(), EmptyFileLocationError);
    EXPECT_THROW(empty.CreateDirectory(), EmptyFileLocationError);
    EXPECT_THROW(empty.IsExistingDirectory(), EmptyFileLocationError);
}

TEST(FileLocation, CreateDirectoryMakesOneLevelAndKeepsExistingOnes)
{
    TempDirectory temp;
    FileLocation data = FileLocation(temp.Path()).Join("__ArdoData");
    EXPECT_FALSE(data.IsExistingDirectory());
    data.CreateDirectory();
    EXPECT_TRUE(data.IsExistingDirectory());
    data.CreateDirectory();

    EXPECT_THROW(data.Join("missing").Join("__Global").CreateDirectory(), DirectoryNotFoundError);

    FileLocation file(temp.Write("plain", "x"));
    EXPECT_THROW(file.CreateDirectory(), FilePermissionError);
}

} // namespace guard
