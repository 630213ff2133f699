// The keep list: which paths its patterns keep, and how its file is read.

#include "engine/keep_list.h"

#include <gtest/gtest.h>

#include "fakes/fake_system.h"

namespace {

TEST(KeepList, MatchesPathsAsWindowsComparesThem) {
    fakes::FakeSystem system;
    system.environment["LOCALAPPDATA"] = "C:\\Users\\Anna\\AppData\\Local";
    engine::KeepList keep;
    engine::AddKeepLines(keep,
                         "\xEF\xBB\xBF# my files\r\n"
                         "  %LOCALAPPDATA%\\Temp\\project.lock  \r\n"
                         "C:\\Windows\\Temp\\*\\setup?.log\n"
                         "\n"
                         "C:\\Temp\\Keep Me\\\n"
                         "C:\\Data#1\\*.db\n"
                         "%NOSUCHVAR%\\x\n"
                         "D:\\Данные\\**\\*.bak\n",
                         system);
    struct Case {
        const char* path;
        bool kept;
    } cases[] = {
        {"C:\\Users\\Anna\\AppData\\Local\\Temp\\project.lock", true},
        {"\\\\?\\c:\\users\\ANNA\\appdata\\local\\temp\\PROJECT.LOCK", true},  // prefix, case
        {"C:\\Users\\Anna\\AppData\\Local\\Temp\\project.lock2", false},
        {"C:\\Windows\\Temp\\abc\\setup1.log", true},    // a wildcard in the middle
        {"C:\\Windows\\Temp\\setup1.log", false},        // "*" is one component
        {"C:\\Windows\\Temp\\abc\\setup12.log", false},  // "?" is one character
        {"C:\\Temp\\Keep Me", true},                     // the folder itself
        {"C:\\Temp\\Keep Me\\deep\\file.txt", true},     // and everything below it
        {"C:\\Temp\\Keep Mine\\file.txt", false},
        {"C:\\Temp", false},            // a folder above a pattern is not kept itself
        {"C:\\Data#1\\mail.db", true},  // "#" inside a line is part of the name
        {"C:\\%NOSUCHVAR%\\x", false},
        {"d:\\ДАННЫЕ\\a\\b\\old.BAK", true},  // any depth, case beyond ASCII
        {"d:\\ДАННЫЕ\\old.bak.txt", false},
    };
    for (const Case& c : cases) EXPECT_EQ(keep.Keeps(c.path), c.kept) << c.path;
    EXPECT_FALSE(engine::KeepList().Keeps("C:\\anything"));
}

}  // namespace
