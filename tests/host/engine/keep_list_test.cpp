// The keep list: which paths its patterns keep, how its files are read, and that a line it
// cannot place is a problem rather than a pattern that keeps nothing.

#include "engine/keep_list.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_system.h"

namespace {

class KeepList : public ::testing::Test {
  protected:
    fakes::FakeFileSystem files;
    fakes::FakeSystem system;

    KeepList() {
        system.userDataFolder = "C:\\Users\\Anna\\AppData\\Roaming\\Skarvel\\";
        system.environment["LOCALAPPDATA"] = "C:\\Users\\Anna\\AppData\\Local";
        system.environment["TEMP"] = "C:\\Users\\ANNA~1\\AppData\\Local\\Temp";
        system.environment["EMPTY"] = "";
        files.AddFolder("C:\\Users\\Anna\\AppData\\Local\\Temp");
        files.SetShortName("C:\\Users\\Anna", "ANNA~1");
        files.AddFolder("C:\\Program Files\\Vendor");
        files.SetShortName("C:\\Program Files", "PROGRA~1");
        files.AddFolder("C:\\Real");
        files.AddFolderLink("C:\\Link", "C:\\Real");
        files.AddFolder("C:\\Data\\x");
        files.AddAlias("S:", "C:\\Data");
    }

    engine::KeepList Load(const std::string& userLines, const std::string& programLines = "") {
        files.AddFile(system.userDataFolder + "keep.txt", userLines);
        if (!programLines.empty())
            files.AddFile(system.applicationFolder + "keep.txt", programLines);
        return engine::LoadKeepList(files, system);
    }
};

TEST_F(KeepList, MatchesPathsAsTheSystemComparesThem) {
    const engine::KeepList keep = Load(
        "\xEF\xBB\xBF# my files\r\n"
        "  %LOCALAPPDATA%\\Temp\\project.lock  \r\n"
        "C:\\Windows\\Temp\\*\\setup?.log\n"
        "\n"
        "C:\\Temp\\Keep Me\\\n"
        "C:\\Data#1\\*.db\n"
        "D:\\Данные\\**\\*.bak\n"
        "%TEMP%\\ạ.txt\n"
        "C:\\Temp\\ə?\\\n"
        "C:\\PROGRA~1\\Vendor\\keep.log\n"
        "S:\\x\\*.db\n"
        "C:\\Link\\f.txt\n"
        "C:\\Temp\\..\\Data\\up.txt\n"
        "C:/Temp/slash.txt\n",
        "C:\\Program\\beside.txt\n");
    EXPECT_EQ(keep.Problem(), "");
    const std::string long40 = [] {
        std::string path = "C:\\Users\\Anna\\AppData\\Local\\Temp";
        for (int i = 0; i < 40; ++i) path += "\\d" + std::to_string(i);
        return path + "\\file";
    }();
    struct Case {
        std::string path;
        bool kept;
    } cases[] = {
        {"C:\\Users\\Anna\\AppData\\Local\\Temp\\project.lock", true},
        {"\\\\?\\c:\\users\\ANNA\\appdata\\local\\temp\\PROJECT.LOCK", true},  // prefix, case
        {"C:\\Users\\Anna\\AppData\\Local\\Temp\\project.lock2", false},
        {"C:\\Windows\\Temp\\abc\\setup1.log", true},    // a wildcard in the middle
        {"C:\\Windows\\Temp\\setup1.log", false},        // "*" is one component
        {"C:\\Windows\\Temp\\abc\\setup12.log", false},  // "?" is one character...
        {"C:\\Windows\\Temp\\abc\\setupé.log", true},    // ... also beyond ASCII
        {"C:\\Temp\\Keep Me", true},                     // the folder itself
        {"C:\\Temp\\Keep Me\\deep\\file.txt", true},     // and everything below it
        {"C:\\Temp\\Keep Mine\\file.txt", false},
        {"C:\\Temp", false},                  // a folder above a pattern is not kept itself
        {"C:\\Data#1\\mail.db", true},        // "#" inside a line is part of the name
        {"d:\\ДАННЫЕ\\a\\b\\old.BAK", true},  // any depth, case beyond ASCII
        {"d:\\ДАННЫЕ\\old.bak.txt", false},
        // Every script's case, and the spelling the walk holds: the long name found on disk.
        {"\\\\?\\C:\\Users\\Anna\\AppData\\Local\\Temp\\Ạ.TXT", true},
        {"C:\\Temp\\Əx\\y", true},
        {"\\\\?\\C:\\Program Files\\Vendor\\keep.log", true},  // a short name in the pattern
        {"\\\\?\\C:\\Data\\x\\a.db", true},                    // a subst drive
        {"\\\\?\\C:\\Real\\f.txt", true},                      // a link on the way
        {"C:\\Link\\f.txt", true},                             // and as written
        {"C:\\Data\\up.txt", true},
        {"C:\\Temp\\slash.txt", true},
        {"C:\\Program\\beside.txt", true},  // the program folder's keep file is read too
        {long40, false},
    };
    for (const Case& c : cases) EXPECT_EQ(keep.Keeps(c.path), c.kept) << c.path;
    EXPECT_FALSE(engine::KeepList().Keeps("C:\\anything"));
}

// "**" is matched without going back over every way of splitting a path: a pattern of many
// "**" over a deep path answers at once (an exponential matcher would not end).
TEST_F(KeepList, ManyDoubleStarsOverADeepPathAnswerAtOnce) {
    engine::KeepList keep;
    std::string pattern = "C:";
    for (int i = 0; i < 14; ++i) pattern += "\\**";
    EXPECT_EQ(keep.Add(files, pattern + "\\none"), "");
    EXPECT_EQ(keep.Add(files, pattern + "\\d39\\*.keep"), "");
    std::string path = "C:";
    for (int i = 0; i < 40; ++i) path += "\\d" + std::to_string(i);
    EXPECT_FALSE(keep.Keeps(path + "\\file"));
    EXPECT_TRUE(keep.Keeps(path + "\\x.keep"));
}

TEST_F(KeepList, LinesItCannotPlaceAreProblemsNamingTheirLine) {
    struct Case {
        const char* line;
        const char* problem;  // after "<file>, line 2: "
    } cases[] = {
        {"project.lock", "not a full path"},  {"\\Temp\\x", "not a full path"},
        {"C:Temp\\x", "not a full path"},     {"%NOSUCHVAR%\\x", "%NOSUCHVAR% is not set"},
        {"%EMPTY%\\x", "%EMPTY% is not set"},
    };
    for (const Case& c : cases) {
        if (files.Exists(system.userDataFolder + "keep.txt"))
            files.Remove(system.userDataFolder + "keep.txt");
        const engine::KeepList keep = Load(std::string("C:\\Fine\\x\r\n") + c.line + "\r\n");
        EXPECT_TRUE(
            keep.Problem().starts_with(system.userDataFolder + "keep.txt, line 2: " + c.problem))
            << keep.Problem();
        EXPECT_FALSE(keep.Empty());
    }
    // A "%" that opens no variable name is part of a name.
    engine::KeepList keep;
    EXPECT_EQ(keep.AddLine(files, system, "C:\\50%\\off%.txt"), "");
    EXPECT_TRUE(keep.Keeps("C:\\50%\\off%.txt"));
}

}  // namespace
