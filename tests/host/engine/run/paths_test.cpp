// The building blocks of the target paths.

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace runtest {
namespace {

class Paths : public ::testing::Test, public RunTest {};

TEST_F(Paths, DriveRootOfTheWindowsDirectory) {
    fake.system.windowsFolder = "C:\\WINNT";
    EXPECT_EQ(paths.WindowsDriveRoot(), "C:\\");
    fake.system.windowsFolder = "E:\\";
    EXPECT_EQ(paths.WindowsDriveRoot(), "E:\\");
    fake.system.windowsFolder = std::nullopt;
    EXPECT_EQ(paths.WindowsDriveRoot(), "");
}

TEST_F(Paths, OperaProfileLiesUnderDocumentsAndSettingsOfTheDrive) {
    fake.system.windowsFolder = "C:\\WINNT";
    EXPECT_EQ(paths.OperaProfileItem("cache4"),
              "C:\\Documents and Settings\\user\\Application Data\\Opera\\Opera\\profile\\cache4");
    fake.system.userName = std::nullopt;
    EXPECT_EQ(paths.CurrentUserName(), "No");
    EXPECT_EQ(paths.CategoryFolder(Category::OperaIcons),
              "C:\\Documents and Settings\\No\\Application Data\\Opera\\Opera\\profile\\images");
}

TEST_F(Paths, TheWindowsDirectoryKeepsTheLastValueRead) {
    fake.system.windowsFolder = std::nullopt;
    EXPECT_EQ(paths.WindowsDirectory(), "");
    EXPECT_EQ(paths.CategoryFolder(Category::TempWindows), "");  // no folder at the drive root
    fake.system.windowsFolder = "C:\\WINDOWS";
    EXPECT_EQ(paths.CategoryFolder(Category::Prefetch), "C:\\WINDOWS\\Prefetch");
    fake.system.windowsFolder = std::nullopt;
    EXPECT_EQ(paths.CategoryFolder(Category::TempWindows), "C:\\WINDOWS\\temp");
    fake.system.windowsFolder = "D:\\W";
    EXPECT_EQ(paths.CategoryFolder(Category::CacheDll), "D:\\W\\system32\\dllcache");
}

}  // namespace
}  // namespace runtest
