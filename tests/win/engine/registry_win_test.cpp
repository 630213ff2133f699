// The registry implementation against the real registry, in a scratch key, with the values
// also read back by the system's own "reg query".

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include <string>

#include "platform/win32/registry_win32.h"
#include "platform/win32/text.h"
#include "win_helpers.h"

namespace {

using platform::KeyMode;
using platform::RegistryRoot;
using platform::RegistryType;

using wintest::Capture;
using wintest::Squeeze;

class RegistryWin32Test : public ::testing::Test {
  protected:
    void SetUp() override {
        key_ = "Software\\SkarvelTest\\Registry" + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SkarvelTest");
    }
    std::string RegQuery(const std::string& value) {
        return Squeeze(Capture(L"reg.exe query \"HKCU\\" + platform::win32::Widen(key_) +
                               L"\" /v " + platform::win32::Widen(value)));
    }

    platform::win32::RegistryWin32 registry_;
    std::string key_;
};

TEST_F(RegistryWin32Test, OpeningModes) {
    EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::OpenExisting), nullptr);
    EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::ReadOnly), nullptr);
    // A leading backslash is taken from the root; missing parents are created.
    auto created = registry_.OpenKey(RegistryRoot::CurrentUser, "\\" + key_ + "\\Sub",
                                     KeyMode::CreateIfMissing);
    ASSERT_NE(created, nullptr);
    created.reset();
    auto parent = registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::OpenExisting);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->SubKeyNames(), std::vector<std::string>{"Sub"});

    auto readOnly = registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::ReadOnly);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(readOnly->WriteDword("x", 1));
    EXPECT_NE(registry_.OpenKey(RegistryRoot::ClassesRoot, "", KeyMode::ReadOnly), nullptr);
}

TEST_F(RegistryWin32Test, ValuesOfEachTypeRoundTripAndMatchRegQuery) {
    auto key = registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::CreateIfMissing);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteDword("NoRecentDocsHistory", 1));
    ASSERT_TRUE(key->WriteBinary("NoRecentDocsMenu", {1, 0, 0, 0}));
    ASSERT_TRUE(key->WriteString("IoPageLockLimit", "65536000"));
    ASSERT_TRUE(key->WriteString("Кэш", "значение"));

    auto dword = key->ReadValue("NoRecentDocsHistory");
    ASSERT_TRUE(dword);
    EXPECT_EQ(dword->type, RegistryType::Dword);
    EXPECT_EQ(dword->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    auto binary = key->ReadValue("norecentdocsmenu");  // names are case-insensitive
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->type, RegistryType::Binary);
    EXPECT_EQ(binary->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    auto text = key->ReadValue("Кэш");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, RegistryType::String);
    EXPECT_EQ(text->Text(), "значение");

    EXPECT_NE(RegQuery("NoRecentDocsHistory").find("NoRecentDocsHistory REG_DWORD 0x1"),
              std::string::npos)
        << RegQuery("NoRecentDocsHistory");
    EXPECT_NE(RegQuery("NoRecentDocsMenu").find("NoRecentDocsMenu REG_BINARY 01000000"),
              std::string::npos)
        << RegQuery("NoRecentDocsMenu");
    EXPECT_NE(RegQuery("IoPageLockLimit").find("IoPageLockLimit REG_SZ 65536000"),
              std::string::npos)
        << RegQuery("IoPageLockLimit");
}

TEST_F(RegistryWin32Test, ExistsAndDelete) {
    auto key = registry_.OpenKey(RegistryRoot::CurrentUser, key_, KeyMode::CreateIfMissing);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->ValueExists("Auto"));
    EXPECT_FALSE(key->DeleteValue("Auto"));
    EXPECT_FALSE(key->ReadValue("Auto").has_value());
    ASSERT_TRUE(key->WriteString("Auto", "0"));
    EXPECT_TRUE(key->ValueExists("Auto"));
    EXPECT_TRUE(key->DeleteValue("Auto"));
    EXPECT_FALSE(key->ValueExists("Auto"));
    EXPECT_EQ(RegQuery("Auto").find("REG_SZ"), std::string::npos);
    // An empty value reads back as empty text.
    ASSERT_TRUE(key->WriteString("", ""));
    auto empty = key->ReadValue("");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Text(), "");
}

// The key at HKCU\PATH itself (a link, not what it leads to) deleted through its handle.
void DeleteLinkKey(const std::wstring& path) {
    HKEY link = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), REG_OPTION_OPEN_LINK, DELETE, &link) !=
        ERROR_SUCCESS)
        return;
    using DeleteKeyFunction = LONG(NTAPI*)(HANDLE);
    const auto deleteKey = reinterpret_cast<DeleteKeyFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
    if (deleteKey) deleteKey(link);
    RegCloseKey(link);
}

// The user's hive as the system names it: "\Registry\User\S-1-5-...".
std::wstring UserHive() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    BYTE buffer[256];
    DWORD size = 0;
    LPWSTR sid = nullptr;
    std::wstring hive;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
        hive = L"\\Registry\\User\\" + std::wstring(sid);
        LocalFree(sid);
    }
    CloseHandle(token);
    return hive;
}

// A tree goes whole; a symbolic link in it, or on the way to it, is never followed: the key it
// leads to keeps everything, and the link stays with the keys above it.
TEST_F(RegistryWin32Test, DeleteKeyTreeNeverFollowsALink) {
    using platform::win32::Widen;
    const std::string plain = key_ + "\\Plain";
    registry_.OpenKey(RegistryRoot::CurrentUser, plain + "\\A\\B", KeyMode::CreateIfMissing)
        ->WriteString("v", "x");
    EXPECT_TRUE(registry_.DeleteKeyTree(RegistryRoot::CurrentUser, plain));
    EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, plain, KeyMode::ReadOnly), nullptr);
    EXPECT_FALSE(registry_.DeleteKeyTree(RegistryRoot::CurrentUser, plain));

    const std::string target = key_ + "\\Target";
    registry_.OpenKey(RegistryRoot::CurrentUser, target + "\\Deep", KeyMode::CreateIfMissing)
        ->WriteString("precious", "1");
    const std::wstring link = Widen(key_ + "\\Tree\\Link");
    registry_.OpenKey(RegistryRoot::CurrentUser, key_ + "\\Tree\\A", KeyMode::CreateIfMissing);
    HKEY made = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, link.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                              KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &made, nullptr),
              ERROR_SUCCESS);
    const std::wstring to = UserHive() + L"\\" + Widen(target);
    RegSetValueExW(made, L"SymbolicLinkValue", 0, REG_LINK,
                   reinterpret_cast<const BYTE*>(to.data()),
                   static_cast<DWORD>(to.size() * sizeof(wchar_t)));
    RegCloseKey(made);
    auto through = registry_.OpenKey(RegistryRoot::CurrentUser, key_ + "\\Tree\\Link\\Deep",
                                     KeyMode::ReadOnly);
    ASSERT_NE(through, nullptr) << "the link leads nowhere";
    through.reset();

    EXPECT_FALSE(registry_.DeleteKeyTree(RegistryRoot::CurrentUser, key_ + "\\Tree\\Link\\Deep"));
    EXPECT_FALSE(registry_.DeleteKeyTree(RegistryRoot::CurrentUser, key_ + "\\Tree"));
    EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, key_ + "\\Tree\\A", KeyMode::ReadOnly),
              nullptr);
    auto deep = registry_.OpenKey(RegistryRoot::CurrentUser, target + "\\Deep", KeyMode::ReadOnly);
    ASSERT_NE(deep, nullptr);
    EXPECT_TRUE(deep->ValueExists("precious"));
    deep.reset();
    DeleteLinkKey(link);
}

}  // namespace
