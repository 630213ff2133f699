// The activity log file: its name, its bytes and its place.

#include <gtest/gtest.h>

#include "engine/activity_log_file.h"
#include "engine/category_table.h"
#include "engine/cp1251.h"
#include "run_fixture.h"

namespace runtest {
namespace {

using engine::LogFileName;

TEST(LogFileName, DateAndUnpaddedTime) {
    EXPECT_EQ(LogFileName("06.12.2026", {2026, 12, 6, 9, 5, 7}), "06.12.2026_9-5-7.log");
    EXPECT_EQ(LogFileName("06.12.2026", {2026, 12, 6, 23, 59, 0}), "06.12.2026_23-59-0.log");
}

TEST(LogFileName, CharactersThatCannotStandInANameAreReplaced) {
    EXPECT_EQ(LogFileName("12/6/2026", {2026, 12, 6, 9, 5, 7}), "12-6-2026_9-5-7.log");
    EXPECT_EQ(LogFileName("2026\\12:06*?\"<>|", {2026, 12, 6, 1, 2, 3}),
              "2026-12-06------_1-2-3.log");
    EXPECT_EQ(LogFileName("6. 12. 2026", {2026, 12, 6, 1, 2, 3}), "6. 12. 2026_1-2-3.log");
}

TEST(Cp1251, RussianLogLineBytes) {
    EXPECT_EQ(engine::LogFileBytes({"Trash (Корзина)"}),
              "Trash (\xCA\xEE\xF0\xE7\xE8\xED\xE0)\r\n");
    EXPECT_EQ(engine::Utf8ToCp1251("АЯаяЁё№€—"), "\xC0\xDF\xE0\xFF\xA8\xB8\xB9\x88\x97");
}

TEST(Cp1251, ALogTheCodePageCannotHoldIsWrittenAsUtf8AfterAMark) {
    EXPECT_EQ(engine::LogFileBytes({"Name User:   小明", "Trash (Корзина)"}),
              "\xEF\xBB\xBFName User:   小明\r\nTrash (Корзина)\r\n");
    EXPECT_TRUE(engine::Cp1251Holds("Trash (Корзина) ?"));
    EXPECT_FALSE(engine::Cp1251Holds("a\xD0"));
}

TEST(Cp1251, EveryCategoryLineFitsTheCodePage) {
    for (const engine::CategoryRow& row : engine::CategoryTable()) {
        const std::string line = engine::LineOf(row, {});
        EXPECT_EQ(engine::Cp1251ToUtf8(engine::Utf8ToCp1251(line)), line) << row.id;
    }
    EXPECT_EQ(
        engine::Utf8ToCp1251(engine::LineOf(engine::RowOf(engine::Category::ErrorReports), {})),
        "Error Reports (\xCE\xF2\xF7\xB8\xF2\xFB \xEE\xE1 \xEE\xF8\xE8\xE1\xEA\xE0\xF5)");
}

TEST(Cp1251, UnmappableAndMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(engine::Utf8ToCp1251("a中b"), "a?b");
    EXPECT_EQ(engine::Utf8ToCp1251("a\xD0"), "a?");              // cut short
    EXPECT_EQ(engine::Utf8ToCp1251("\xC0\xAF"), "?");            // overlong "/"
    EXPECT_EQ(engine::Utf8ToCp1251("\xF0\x9F\x98\x80!"), "?!");  // outside the plane
}

TEST(Cp1251, RoundTripOfEveryAssignedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x98) all += static_cast<char>(b);
    }
    EXPECT_EQ(engine::Utf8ToCp1251(engine::Cp1251ToUtf8(all)), all);
    EXPECT_EQ(engine::Cp1251ToUtf8("\x98"), "?");
}

class SaveLog : public ::testing::Test, public RunTest {};

TEST_F(SaveLog, WritesEveryLineWithCrLfIntoTheLogFolder) {
    fake.files.AddFile(fake.system.applicationFolder + "log\\06.12.2026_9-5-7.log", "old contents");
    std::string path =
        engine::SaveActivityLog(fake.files, fake.system, {"", "Skarvel", "Trash (Корзина)"});

    EXPECT_EQ(path, "C:\\Program Files\\Skarvel\\log\\06.12.2026_9-5-7.log");
    EXPECT_EQ(fake.files.ReadFile(path),
              std::string("\r\nSkarvel\r\nTrash (\xCA\xEE\xF0\xE7\xE8\xED\xE0)\r\n"));
}

TEST_F(SaveLog, CreatesTheMissingFolderAndSurvivesASlashedDate) {
    fake.system.shortDate = "12/6/2026";
    std::string path = engine::SaveActivityLog(fake.files, fake.system, {"x"});
    EXPECT_EQ(path, "C:\\Program Files\\Skarvel\\log\\12-6-2026_9-5-7.log");
    EXPECT_TRUE(fake.files.DirectoryExists("C:\\Program Files\\Skarvel\\log"));
    EXPECT_EQ(fake.files.ReadFile(path), std::string("x\r\n"));
}

TEST_F(SaveLog, TwoRunsEndUpInOneFile) {
    view.lines = {"", "header"};
    view.checked = {Category::Trash};
    Clean();
    Clean();
    std::string path = engine::SaveActivityLog(fake.files, fake.system, view.lines);
    std::string trash = "Trash (\xCA\xEE\xF0\xE7\xE8\xED\xE0)\r\n";
    std::string cutOff = engine::Utf8ToCp1251("Cut off Dr. Watson (Отключить Dr. Watson)") + "\r\n";
    EXPECT_EQ(fake.files.ReadFile(path), "\r\nheader\r\n" + trash + cutOff + trash + cutOff);
}

TEST_F(SaveLog, AFileThatCannotBeWrittenRaisesTheCreateError) {
    std::string target = fake.system.applicationFolder + "log\\06.12.2026_9-5-7.log";
    fake.files.AddFile(target);
    fake.files.SetInUse(target);
    try {
        engine::SaveActivityLog(fake.files, fake.system, {"x"});
        FAIL();
    } catch (const std::runtime_error& e) {
        std::string text = e.what();
        EXPECT_EQ(text.rfind("Cannot create file \"" + target + "\". ", 0), 0u) << text;
    }
}

}  // namespace
}  // namespace runtest
