#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <stdexcept>
#include <string_view>

#include "fakes/fake_services.h"
#include "fakes/profile_text.h"
#include "settings/cache_quota.h"
#include "settings/color_list.h"
#include "settings/settings_encoding.h"
#include "settings/stored_options.h"

namespace {

using settings::Setting;

struct SettingsFileTest : ::testing::Test {
    fakes::FakeServices fake;
    settings::SettingsFile file{fake.system, fake.files, fake.profile};
    std::string path = "C:\\Program Files\\Skarvel\\Mordaun.ini";

    SettingsFileTest() { fake.files.AddFolder("C:\\Program Files\\Skarvel"); }
    void Put(const std::string& text) { fake.files.AddFile(path, text); }
};

TEST_F(SettingsFileTest, LocationFollowsTheApplicationFolderAtEachAccess) {
    EXPECT_EQ(file.Path(), path);
    fake.system.applicationFolder = "D:\\Elsewhere\\";
    EXPECT_EQ(file.Path(), "D:\\Elsewhere\\Mordaun.ini");
}

TEST_F(SettingsFileTest, NoFileLoadsTheDesignState) {
    settings::LoadedOptions o = settings::LoadOptions(file);
    EXPECT_EQ(o.trayIcon, false);
    EXPECT_EQ(o.colorIndex, 6);
    EXPECT_EQ(settings::ColorForIndex(o.colorIndex), 0x808000u);
    EXPECT_EQ(o.viewStyle, 3);
    EXPECT_EQ(o.autoRun, false);
    EXPECT_EQ(o.sound, true);
    EXPECT_EQ(o.saveLog, false);
    EXPECT_EQ(o.autoClearLog, std::nullopt);
    EXPECT_FALSE(fake.files.FileExists(path)) << "reading must not create the file";
}

TEST_F(SettingsFileTest, OddValuesFallBackAsTheReadersExpect) {
    Put("[view]\r\nradio=7\r\n[color]\r\n1=-1\r\n[Sound]\r\nALL=True\r\n"
        "[Log]\r\nALL=false\r\nAuto_Clear=true\r\n[DLLCache]\r\nCache_Mb=0x14\r\n"
        "[tray]\r\nChecked=yes\r\n");
    settings::LoadedOptions o = settings::LoadOptions(file);
    EXPECT_EQ(o.viewStyle, 7);  // outside 1..4: no view button changes
    EXPECT_EQ(o.colorIndex, -1);
    EXPECT_FALSE(settings::IsColorIndex(o.colorIndex));
    EXPECT_EQ(settings::ColorForIndex(-1), ui::SystemColor(ui::sys::kScrollBar));
    EXPECT_EQ(settings::ColorForIndex(50), ui::SystemColor(ui::sys::kScrollBar));
    EXPECT_EQ(o.sound, std::nullopt) << "\"True\" is neither flag value";
    EXPECT_EQ(o.trayIcon, std::nullopt);
    EXPECT_EQ(o.saveLog, false);
    EXPECT_EQ(o.autoClearLog, std::nullopt) << "Auto_Clear is read only when ALL is true";
    EXPECT_EQ(file.ReadInteger(Setting::DllCacheSize), 20);
    EXPECT_TRUE(file.SectionExists(Setting::DllCacheSize));
    EXPECT_FALSE(file.SectionExists(Setting::AutoRun));
}

TEST_F(SettingsFileTest, EmptyLanguageValueMeansNoLanguageAndBadIntegersTheDefault) {
    Put("[Laguage]\r\nLangResultFile=\r\n[color]\r\n1=teal\r\n[view]\r\nradio=\r\n");
    EXPECT_EQ(file.ReadString(Setting::LanguageFile), "");
    EXPECT_EQ(file.ReadInteger(Setting::ColorIndex), 6);
    EXPECT_EQ(file.ReadInteger(Setting::ViewStyle), 3);
}

TEST(ParseInteger, AcceptsDecimalMinusAndBothHexForms) {
    using settings::ParseInteger;
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-1"), -1);
    EXPECT_EQ(ParseInteger("0x14"), 20);
    EXPECT_EQ(ParseInteger("0X1f"), 31);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    for (const char* bad :
         {"", "-", "$", "0x", "12a", "1 2", "2147483648", "0x100000000", "+5", "true", "0xg"}) {
        EXPECT_EQ(ParseInteger(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseInteger("0"), 0);
}

TEST_F(SettingsFileTest, ExitWritesProduceTheDocumentedFileInUnicode) {
    file.WriteString(Setting::LanguageFile, "C:\\Tools\\Language\\Deutsch.MordaunLang");
    file.WriteInteger(Setting::DllCacheSize, 10);
    settings::StoreOptions(file, {});
    const std::string bytes = fake.files.ReadFile(path).value_or("");
    EXPECT_TRUE(bytes.starts_with("\xFF\xFE")) << "created without the UTF-16 mark";
    EXPECT_EQ(fakes::ProfileText(bytes),
              "[Laguage]\r\nLangResultFile=C:\\Tools\\Language\\Deutsch.MordaunLang\r\n"
              "[DLLCache]\r\nCache_Mb=10\r\n[tray]\r\nChecked=false\r\n[color]\r\n1=6\r\n"
              "[view]\r\nradio=3\r\n[AutoRun]\r\n1=false\r\n[Sound]\r\nALL=true\r\n"
              "[Log]\r\nALL=false\r\nAuto_Clear=false\r\n");
}

TEST_F(SettingsFileTest, NoViewButtonWritesNoViewAndNoSelectionWritesMinusOne) {
    settings::OptionsToStore options;
    options.viewStyle.reset();
    options.colorIndex = -1;
    settings::StoreOptions(file, options);
    EXPECT_EQ(file.ReadInteger(Setting::ColorIndex), -1);
    EXPECT_FALSE(file.SectionExists(Setting::ViewStyle));
}

// An earlier version's ANSI file: written in place while its code page holds the text; converted
// whole (comments, odd lines, a later duplicate section, its own characters) before a path it
// cannot hold; and left as it was when the conversion fails midway.
TEST_F(SettingsFileTest, AnAnsiFileIsConvertedOnlyForATextItCannotHold) {
    const std::string ansi =
        "; caf\xE9\r\n[Laguage]\r\nLangResultFile=\r\n[color]\r\n1=12\r\n\r\nodd line\r\n"
        "[Laguage]\r\nLangResultFile=shadowed\r\n[Log]\r\nALL=true";
    const std::string cyrillic = "C:\\Тест 日本\\Language\\German.MordaunLang";
    Put(ansi);
    file.WriteString(Setting::LanguageFile, "C:\\Caf\xC3\xA9\\German.MordaunLang");
    EXPECT_EQ(fake.files.ReadFile(path).value_or(""),
              "; caf\xE9\r\n[Laguage]\r\nLangResultFile=C:\\Caf\xE9\\German.MordaunLang\r\n"
              "[color]\r\n1=12\r\n\r\nodd line\r\n[Laguage]\r\nLangResultFile=shadowed\r\n"
              "[Log]\r\nALL=true");

    file.WriteString(Setting::LanguageFile, cyrillic);
    const std::string bytes = fake.files.ReadFile(path).value_or("");
    EXPECT_TRUE(bytes.starts_with("\xFF\xFE"));
    EXPECT_EQ(fakes::ProfileText(bytes),
              "; caf\xC3\xA9\r\n[Laguage]\r\nLangResultFile=" + cyrillic +
                  "\r\n[color]\r\n1=12\r\n\r\nodd line\r\n[Laguage]\r\n"
                  "LangResultFile=shadowed\r\n[Log]\r\nALL=true");
    EXPECT_EQ(file.ReadString(Setting::LanguageFile), cyrillic);
    EXPECT_FALSE(fake.files.Exists(settings::ConversionPath(path)));

    // A reader that holds the file for a moment only delays the move.
    fake.files.Remove(path);
    Put(ansi);
    fake.files.SetInUse(path);
    fake.system.onSleep = [&] { fake.files.SetInUse(path, false); };
    file.WriteString(Setting::LanguageFile, cyrillic);
    EXPECT_EQ(fake.system.sleeps, std::vector<int>{100});
    EXPECT_EQ(file.ReadString(Setting::LanguageFile), cyrillic);
    fake.system.onSleep = nullptr;

    struct Failure {
        const char* what;
        std::function<void()> arrange;
    } failures[] = {
        {"the file held open throughout, so the converted one cannot take its place",
         [&] { fake.files.SetInUse(path); }},
        {"nothing can be written beside it",
         [&] { fake.files.AddFolder(settings::ConversionPath(path)); }},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        fake.files.Remove(path);
        if (fake.files.Exists(settings::ConversionPath(path)))
            fake.files.Remove(settings::ConversionPath(path));
        Put(ansi);
        failure.arrange();
        try {
            file.WriteString(Setting::LanguageFile, cyrillic);
            ADD_FAILURE() << "written";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        }
        EXPECT_EQ(fake.files.ReadFile(path).value_or(""), ansi);
        EXPECT_FALSE(fake.files.FileExists(settings::ConversionPath(path)));
    }
}

TEST_F(SettingsFileTest, RefusedWriteStopsThePass) {
    fake.system.applicationFolder = "C:\\Gone\\";
    try {
        settings::StoreOptions(file, {});
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to C:\\Gone\\Mordaun.ini");
    }
}

TEST(SettingsSchema, TableIsIndexedBySettingAndComplete) {
    std::set<std::pair<std::string_view, std::string_view>> keys;
    for (std::size_t i = 0; i < settings::kSettingsSchema.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(settings::kSettingsSchema[i].id), i);
        keys.insert({settings::kSettingsSchema[i].section, settings::kSettingsSchema[i].key});
    }
    EXPECT_EQ(keys.size(), 9u);
    EXPECT_EQ(settings::KeyOf(Setting::LanguageFile).section, "Laguage");
}

TEST(ColorList, FiftyColoursInTheirStoredOrder) {
    // Positions 20 to 49 are system colours: 0xFF000000 plus the platform's colour index.
    struct Entry {
        std::string_view name;
        std::uint32_t value;
    };
    constexpr std::uint32_t kSys = 0xFF000000u;
    const Entry expected[settings::kColorCount] = {
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
        {"clMoneyGreen", 0xC0DCC0},
        {"clSkyBlue", 0xF0CAA6},
        {"clCream", 0xF0FBFF},
        {"clMedGray", 0xA4A0A0},
        {"clActiveBorder", kSys | 10},
        {"clActiveCaption", kSys | 2},
        {"clAppWorkSpace", kSys | 12},
        {"clBackground", kSys | 1},
        {"clBtnFace", kSys | 15},
        {"clBtnHighlight", kSys | 20},
        {"clBtnShadow", kSys | 16},
        {"clBtnText", kSys | 18},
        {"clCaptionText", kSys | 9},
        {"clGradientActiveCaption", kSys | 27},
        {"clGradientInactiveCaption", kSys | 28},
        {"clGrayText", kSys | 17},
        {"clHighlight", kSys | 13},
        {"clHighlightText", kSys | 14},
        {"clHotLight", kSys | 26},
        {"clInactiveBorder", kSys | 11},
        {"clInactiveCaption", kSys | 3},
        {"clInactiveCaptionText", kSys | 19},
        {"clInfoBk", kSys | 24},
        {"clInfoText", kSys | 23},
        {"clMenu", kSys | 4},
        {"clMenuBar", kSys | 30},
        {"clMenuHighlight", kSys | 29},
        {"clMenuText", kSys | 7},
        {"clScrollBar", kSys | 0},
        {"cl3DDkShadow", kSys | 21},
        {"cl3DLight", kSys | 22},
        {"clWindow", kSys | 5},
        {"clWindowFrame", kSys | 6},
        {"clWindowText", kSys | 8},
    };
    for (std::size_t i = 0; i < settings::kColorList.size(); ++i) {
        EXPECT_EQ(settings::kColorList[i].name, expected[i].name) << i;
        EXPECT_EQ(settings::kColorList[i].value, expected[i].value) << expected[i].name;
    }
}

TEST_F(SettingsFileTest, CacheSizeRules) {
    auto settle = [&] { return settings::SettleCacheSize(fake.files, fake.system, fake.profile); };
    auto write = [&](const std::string& text) {
        std::string error;
        ASSERT_TRUE(fake.files.WriteFile(path, text, error)) << error;
    };
    // No settings file: the default is written, which creates the file.
    EXPECT_EQ(settle(), 10);
    EXPECT_EQ(fake.profile.ReadString(path, "DLLCache", "Cache_Mb", ""), "10");

    // A file without the section gets it.
    write("[Sound]\r\n1=true\r\n");
    EXPECT_EQ(settle(), 10);
    EXPECT_EQ(fake.profile.ReadString(path, "DLLCache", "Cache_Mb", ""), "10");
    EXPECT_EQ(fake.profile.ReadString(path, "Sound", "1", ""), "true");

    for (auto [text, expected] : std::vector<std::pair<std::string, int>>{
             {"0x14", 20}, {"25", 25}, {"$1F", 31}, {"-3", -3}, {"abc", 10}, {"", 10}}) {
        write("[DLLCache]\r\nCache_Mb=" + text + "\r\n");
        EXPECT_EQ(settle(), expected) << text;
    }
    // The section without the key.
    write("[DLLCache]\r\nOther=1\r\n");
    EXPECT_EQ(settle(), 10);

    // A settings file that cannot be written leaves the default.
    fake.system.applicationFolder = "C:\\Missing folder\\";
    EXPECT_EQ(settle(), 10);
    EXPECT_FALSE(fake.files.Exists("C:\\Missing folder\\Mordaun.ini"));
}

}  // namespace
