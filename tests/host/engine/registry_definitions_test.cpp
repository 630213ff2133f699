// What definitions do to the registry: which keys they may never touch, the registry files
// their backups are, and what a cleaning plan deletes and keeps.

#include <gtest/gtest.h>

#include "engine/reg_file.h"
#include "engine/registry_cleaning.h"
#include "engine/registry_key_path.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "platform/portable/ini_text.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using platform::StoredValue;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Utf16(std::string_view text) {
    return Bytes(platform::portable::Encode(platform::portable::Utf8ToUtf16(text),
                                            platform::portable::TextEncoding::Utf16Le,
                                            platform::portable::AnsiCodePage::Windows1252));
}

TEST(RegistryAnchors, KeysAtOrAboveAnAnchorAndTheSystemsOwnAreRefused) {
    struct Case {
        const char* key;
        bool refused;
    } cases[] = {
        {"HKCU", true},
        {"HKCU\\Software", true},
        {"HKCU\\software\\MICROSOFT", true},
        {"HKCU\\Software\\Policies", true},
        {"HKCU\\Software\\Classes", true},
        {"HKCU\\Software\\Classes\\.txt", true},
        {"HKCU\\Software\\Microsoft\\Windows", true},
        {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion", true},
        {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", true},
        {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", true},
        {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", true},
        {"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", true},
        {"HKLM\\SOFTWARE\\WOW6432Node", true},
        {"HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", true},
        {"HKLM\\SYSTEM\\CurrentControlSet\\Services\\x\\Parameters", true},
        {"HKLM\\SAM\\x", true},
        {"HKCC\\Software\\Vendor", true},
        {"HKCR", true},
        {"HKCR\\CLSID", true},
        {"HKU\\S-1-5-21-1", true},
        {"HKU\\S-1-5-21-1\\Software\\Microsoft", true},
        {"HKU\\S-1-5-21-1_Classes\\CLSID", true},
        // A program's own keys, and the traces below Windows' own keys.
        {"HKCU\\Software\\Vendor", false},
        {"HKLM\\SOFTWARE\\WOW6432Node\\Vendor\\App", false},
        {"HKCU\\Software\\Microsoft\\Office\\16.0\\Word\\File MRU", false},
        {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs", false},
        {"HKCU\\Software\\Classes\\Local Settings\\MuiCache", false},
        {"HKCR\\CLSID\\{00000000-0000-0000-0000-000000000001}", false},
        {"HKU\\S-1-5-21-1\\Software\\Vendor", false},
        {"HKU\\S-1-5-21-1_Classes\\Applications\\x.exe", false},
    };
    for (const Case& c : cases) {
        const auto key = engine::ParseRegistryKey(c.key);
        ASSERT_TRUE(key) << c.key;
        EXPECT_EQ(!engine::RegistryAnchorRefusal(*key).empty(), c.refused) << c.key;
    }
    EXPECT_FALSE(engine::ParseRegistryKey("HKXY\\Software"));
    EXPECT_EQ(engine::FullKeyName(*engine::ParseRegistryKey("hklm\\\\Software\\x\\")),
              "HKEY_LOCAL_MACHINE\\Software\\x");
}

// Every type as the registry editor writes it, and read back to the same bytes.
TEST(RegFile, EveryTypeIsWrittenAsTheEditorWritesItAndReadsBackExactly) {
    const std::vector<std::uint8_t> multi = Utf16(std::string("a\0b\0\0", 5));
    const std::vector<StoredValue> values = {
        {"", RegistryType::String, Utf16(std::string("C:\\x \"y\"\0", 9))},
        {"Path", RegistryType::ExpandString, Utf16(std::string("%T%\0", 4))},
        {"List", RegistryType::MultiString, multi},
        {"Bin", RegistryType::Binary, {0x00, 0xff}},
        {"Count", RegistryType::Dword, {0x0a, 0, 0, 0x01}},
        {"Big", RegistryType::Qword, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"Odd", static_cast<RegistryType>(0x1234), {0x42}},
        {"Short", RegistryType::Dword, {1, 2}},
        {"Joined", RegistryType::String, Utf16(std::string("a\0b\0", 4))},
        {"Empty", RegistryType::String, {}},
        {"Name \"q\"\\", RegistryType::Binary, std::vector<std::uint8_t>(40, 0xab)},
    };
    const std::string text =
        engine::RegFileHeader() + engine::RegFileText({{"HKEY_CURRENT_USER\\Software\\V", values}});
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\V]\r\n"
              "@=\"C:\\\\x \\\"y\\\"\"\r\n"
              "\"Path\"=hex(2):25,00,54,00,25,00,00,00\r\n"
              "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
              "\"Bin\"=hex:00,ff\r\n"
              "\"Count\"=dword:0100000a\r\n"
              "\"Big\"=hex(b):01,02,03,04,05,06,07,08\r\n"
              "\"Odd\"=hex(1234):42\r\n"
              "\"Short\"=hex(4):01,02\r\n"
              "\"Joined\"=hex(1):61,00,00,00,62,00,00,00\r\n"
              "\"Empty\"=hex(1):\r\n"
              // Hex data wraps as the editor wraps it: no line longer than 80 characters.
              "\"Name \\\"q\\\"\\\\\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,"
              "ab,ab,ab,\\\r\n"
              "  ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab\r\n");
    const std::string bytes = engine::RegFileBytes(text, true);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEW\0", 4));
    const engine::ParsedRegFile parsed = engine::ParseRegFile(bytes);
    ASSERT_TRUE(parsed.problems.empty()) << parsed.problems.front();
    ASSERT_EQ(parsed.keys.size(), 1u);
    EXPECT_EQ(engine::FullKeyName(parsed.keys[0].key), "HKEY_CURRENT_USER\\Software\\V");
    EXPECT_EQ(parsed.keys[0].values, values);
}

TEST(RegFile, ALineThatIsNotUnderstoodIsAProblemWithItsNumber) {
    struct Case {
        std::string text, problem;
    } cases[] = {
        {"REGEDIT4\r\n", "line 1: not a registry file"},
        {"", "line 1: an empty file"},
        {"Windows Registry Editor Version 5.00\r\n\"a\"=\"b\"\r\n",
         "line 2: a value before any key"},
        {"Windows Registry Editor Version 5.00\r\n[-HKEY_CURRENT_USER\\x]\r\n",
         "line 2: a key deletion"},
        {"Windows Registry Editor Version 5.00\r\n[HKEY_NOWHERE\\x]\r\n",
         "line 2: an unknown registry root"},
        {"Windows Registry Editor Version 5.00\r\n[HKCU\\x]\r\n\"a\"=-\r\n",
         "line 3: a value deletion"},
        {"Windows Registry Editor Version 5.00\r\n[HKCU\\x]\r\n\"a\"=dword:123456789\r\n",
         "line 3: a malformed dword"},
        {"Windows Registry Editor Version 5.00\r\n[HKCU\\x]\r\n\"a\"=hex:1,zz\r\n",
         "line 3: value data"},
        {"Windows Registry Editor Version 5.00\r\n[HKCU\\x]\r\n\"a=b\r\n",
         "line 3: a value name that does not end"},
    };
    for (const Case& c : cases) {
        const engine::ParsedRegFile parsed = engine::ParseRegFile(c.text);
        ASSERT_EQ(parsed.problems.size(), 1u) << c.text;
        EXPECT_TRUE(parsed.problems[0].starts_with(c.problem)) << parsed.problems[0];
    }
    // UTF-8 with LF, comments and continued lines read as well.
    const engine::ParsedRegFile plain = engine::ParseRegFile(
        "Windows Registry Editor Version 5.00\n; note\n[HKCU\\x]\n\"a\"=hex:01,\\\n  02\n");
    ASSERT_TRUE(plain.problems.empty());
    EXPECT_EQ(plain.keys[0].values[0].bytes, (std::vector<std::uint8_t>{1, 2}));
}

// A plan takes whole trees where nothing in them is kept, value by value where something is,
// and the values and keys an exclusion names stay.
TEST(RegistryCleaning, WholeTreesValuesAndWhatExclusionsKeep) {
    fakes::FakeRegistry registry;
    fakes::FakeFileSystem files;
    auto set = [&](const char* key, const char* name) {
        registry.SetValue(RegistryRoot::CurrentUser, key, name, RegistryType::String, Bytes("v"));
    };
    set("Software\\V", "LastFile");
    set("Software\\V", "Other");
    set("Software\\V\\Recent", "a");
    set("Software\\V\\Recent", "Pinned");
    set("Software\\V\\Recent\\Sub", "b");
    set("Software\\V\\Settings\\A", "c");
    set("Software\\V\\Settings\\Keep", "k");
    set("Software\\V\\Gone", "g");
    auto key = [](const char* path) {
        return engine::RegistryKeyPath{RegistryRoot::CurrentUser, path};
    };
    engine::RegistryCleaning what;
    what.remove = {
        {key("Software\\V\\Recent"), true, {}},   {key("Software\\V"), false, "lastfile"},
        {key("Software\\V\\Settings"), true, {}}, {key("Software\\V\\Gone"), true, {}},
        {key("Software\\V\\Gone"), false, "g"},  // taken with its key
        {key("Software\\V\\Missing"), true, {}}};
    what.keep = {{key("software\\v\\settings\\keep"), true, {}},
                 {key("Software\\V\\Recent"), false, "PINNED"}};
    const engine::RegistryPlan plan = engine::PlanRegistryCleaning(registry, files, what);
    // The fake gives sub-keys' names in lower case.
    const std::string v = "HKEY_CURRENT_USER\\Software\\V";
    EXPECT_EQ(plan.Items(),
              (std::vector<std::string>{
                  v + "\\Recent|a", v + "\\Recent\\sub\\", v + "\\Recent\\sub|b", v + "|LastFile",
                  v + "\\Settings\\a\\", v + "\\Settings\\a|c", v + "\\Gone\\", v + "\\Gone|g"}));
    registry.RefuseDeletion(RegistryRoot::CurrentUser, "Software\\V\\Gone");
    const engine::RegistryOutcome outcome = engine::CarryOut(registry, plan);
    EXPECT_EQ(outcome.deleted.size(), 6u);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].path, "HKEY_CURRENT_USER\\Software\\V\\Gone\\");
    EXPECT_EQ(registry.AllValues(),
              (std::set<std::string>{"hkcu\\software\\v|other", "hkcu\\software\\v\\recent|pinned",
                                     "hkcu\\software\\v\\settings\\keep|k",
                                     "hkcu\\software\\v\\gone|g"}));
}

}  // namespace
