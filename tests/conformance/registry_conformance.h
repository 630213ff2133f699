#pragma once
// Behaviour every platform::Registry must show, written once and instantiated for each
// implementation (the fake in the host tests, the real registry under Wine).
//
// An environment type ENV provides:
//   platform::Registry& Registry();
//   std::string Scratch();  // a key under HKEY_CURRENT_USER of this test alone, made fresh
//   // Stores DATA (UTF-8, NULs and all, no terminator added) as value NAME of key PATH
//   // under HKEY_CURRENT_USER, as any program can store it.
//   void PutRaw(const std::string& path, const std::string& name, platform::RegistryType type,
//               const std::string& data);

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"

template <typename Env>
class RegistryConformance : public ::testing::Test {
  protected:
    Env env;
};

TYPED_TEST_SUITE_P(RegistryConformance);

using namespace std::string_literals;

// A string ends at its first NUL, whatever was stored after it ("type\0junk" under an
// extension's default is a type name, not a path into another key).
TYPED_TEST_P(RegistryConformance, StringsEndAtTheirFirstNul) {
    using platform::RegistryType;
    struct Case {
        RegistryType type;
        std::string stored;
        std::string read;
    } cases[] = {
        {RegistryType::String, "type\0junk"s, "type"},
        {RegistryType::ExpandString, "%SystemRoot%\\a.exe\0%1"s, "%SystemRoot%\\a.exe"},
        {RegistryType::String, "text\0\0"s, "text"},
        {RegistryType::String, "\0hidden"s, ""},
        {RegistryType::String, "whole", "whole"},
        // A multi-string keeps its strings apart; only the terminators go.
        {RegistryType::MultiString, "a\0b\0\0"s, "a\0b"s},
    };
    const std::string key = this->env.Scratch();
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "v" + std::to_string(n++);
        this->env.PutRaw(key, name, c.type, c.stored);
        auto opened = this->env.Registry().OpenKey(platform::RegistryRoot::CurrentUser, key,
                                                   platform::KeyMode::ReadOnly);
        ASSERT_NE(opened, nullptr);
        auto value = opened->ReadValue(name);
        ASSERT_TRUE(value.has_value()) << name;
        EXPECT_EQ(value->type, c.type) << name;
        EXPECT_EQ(value->Text(), c.read) << name;
    }
}

// The system takes names as C strings: a path or value name with a NUL names nothing, rather
// than the key or value named by the text before the NUL.
TYPED_TEST_P(RegistryConformance, NamesWithANulNameNothing) {
    using platform::KeyMode;
    using platform::RegistryRoot;
    const std::string key = this->env.Scratch();
    this->env.PutRaw(key, "", platform::RegistryType::String, "the key's own");
    this->env.PutRaw(key, "v", platform::RegistryType::String, "v's own");
    platform::Registry& registry = this->env.Registry();
    for (KeyMode mode : {KeyMode::ReadOnly, KeyMode::OpenExisting, KeyMode::CreateIfMissing})
        EXPECT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, key + "\0\\other"s, mode), nullptr);

    auto opened = registry.OpenKey(RegistryRoot::CurrentUser, key, KeyMode::OpenExisting);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->SubKeyNames().empty()) << "nothing was created";
    const std::string nulName = "v\0w"s;
    EXPECT_FALSE(opened->ValueExists(nulName));
    EXPECT_FALSE(opened->ReadValue(nulName).has_value());
    EXPECT_FALSE(opened->WriteString(nulName, "x"));
    EXPECT_FALSE(opened->DeleteValue(nulName));
    auto v = opened->ReadValue("v");
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->Text(), "v's own");
    // The key's own value is listed as "", the other under its name, nothing with a NUL.
    std::vector<std::string> names = opened->ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"", "v"}));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryConformance, StringsEndAtTheirFirstNul,
                            NamesWithANulNameNothing);
