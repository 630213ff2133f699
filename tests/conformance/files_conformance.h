#pragma once
// Behaviour every platform::FileSystem must show, written once and instantiated for the
// in-memory fake (host) and the Win32 implementation (under Wine), so the two cannot drift.
//
// An environment type ENV provides:
//   platform::FileSystem& Files();
//   std::string Root();   // an existing, empty, private folder, without trailing backslash

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"

template <typename Env>
class FilesConformance : public ::testing::Test {
  protected:
    Env env;
    platform::FileSystem& F() { return env.Files(); }
    std::string At(const std::string& name) { return env.Root() + "\\" + name; }
    void Put(const std::string& name, const std::string& bytes) {
        std::string error;
        ASSERT_TRUE(F().WriteFile(At(name), bytes, error)) << error;
    }
    std::map<std::string, std::uint32_t> List(const std::string& pattern) {
        std::vector<platform::DirEntry> entries;
        std::map<std::string, std::uint32_t> out;
        if (F().Enumerate(At(pattern), entries))
            for (const auto& e : entries) out[e.name] = e.attributes;
        return out;
    }
};

TYPED_TEST_SUITE_P(FilesConformance);

TYPED_TEST_P(FilesConformance, EnumerationListsEverythingWithAttributes) {
    this->Put("a.txt", "a");
    this->Put("README", "r");
    ASSERT_TRUE(this->F().CreateFolder(this->At("sub.d")));
    ASSERT_TRUE(this->F().SetAttributes(this->At("README"),
                                        platform::attr::kHidden | platform::attr::kSystem));

    auto all = this->List("*");
    EXPECT_EQ(all.size(), 5u);  // ".", "..", and the three entries
    EXPECT_EQ(all["."] & platform::attr::kDirectory, platform::attr::kDirectory);
    EXPECT_EQ(all[".."] & platform::attr::kDirectory, platform::attr::kDirectory);
    EXPECT_EQ(all["README"] & (platform::attr::kHidden | platform::attr::kSystem),
              platform::attr::kHidden | platform::attr::kSystem);
    EXPECT_EQ(all["sub.d"] & platform::attr::kDirectory, platform::attr::kDirectory);
    EXPECT_EQ(all["a.txt"] & platform::attr::kDirectory, 0u);
    EXPECT_EQ(this->List("*.*").size(), 5u);  // the platform's "*.*" lists undotted names too
    EXPECT_EQ(this->List("*.TXT").size(), 1u);
    EXPECT_TRUE(this->List("*.none").empty());
    std::vector<platform::DirEntry> entries;
    EXPECT_FALSE(this->F().Enumerate(this->At("missing\\*"), entries));
}

TYPED_TEST_P(FilesConformance, DeletionRefusesReadOnlyFilesFoldersAndFullFolders) {
    this->Put("ro.txt", "r");
    ASSERT_TRUE(this->F().SetAttributes(this->At("ro.txt"), platform::attr::kReadOnly));
    ASSERT_TRUE(this->F().CreateFolder(this->At("dir")));
    this->Put("dir\\inside", "i");

    EXPECT_FALSE(this->F().DeleteFileAt(this->At("ro.txt")));
    EXPECT_FALSE(this->F().DeleteFileAt(this->At("dir")));
    EXPECT_FALSE(this->F().DeleteFileAt(this->At("missing")));
    EXPECT_FALSE(this->F().RemoveFolder(this->At("dir")));
    EXPECT_FALSE(this->F().RemoveFolder(this->At("ro.txt")));
    EXPECT_FALSE(this->F().RemoveFolder(this->At("missing")));

    EXPECT_TRUE(this->F().SetAttributes(this->At("ro.txt"), platform::attr::kArchive));
    EXPECT_EQ(this->F().Attributes(this->At("ro.txt")), platform::attr::kArchive);
    EXPECT_TRUE(this->F().DeleteFileAt(this->At("RO.TXT")));  // names ignore case
    EXPECT_TRUE(this->F().DeleteFileAt(this->At("dir\\inside")));
    EXPECT_TRUE(this->F().RemoveFolder(this->At("dir\\")));
    EXPECT_FALSE(this->F().Attributes(this->At("dir")).has_value());
}

TYPED_TEST_P(FilesConformance, PathSpellings) {
    ASSERT_TRUE(this->F().CreateFolder(this->At("one")));
    this->Put("one\\f.txt", "f");
    EXPECT_TRUE(this->F().DirectoryExists(this->At("one\\")));
    EXPECT_TRUE(this->F().DirectoryExists(this->At("ONE")));
    EXPECT_TRUE(this->F().FileExists(this->At("one/f.txt")));
    EXPECT_TRUE(this->F().FileExists(this->At("one\\..\\one\\.\\f.txt")));
    EXPECT_FALSE(this->F().FileExists(this->At("one")));
    EXPECT_FALSE(this->F().DirectoryExists(this->At("one\\f.txt")));
    EXPECT_FALSE(this->F().DirectoryExists(""));
    EXPECT_FALSE(this->F().CreateFolder(this->At("one")));
    EXPECT_FALSE(this->F().CreateFolder(this->At("no\\such")));
    EXPECT_FALSE(this->F().CurrentDirectory().empty());
}

TYPED_TEST_P(FilesConformance, WholeFiles) {
    std::string bytes("zero\0byte\r\n", 11);
    this->Put("w.bin", bytes);
    EXPECT_EQ(this->F().ReadFile(this->At("w.bin")), bytes);
    this->Put("w.bin", "shorter");
    EXPECT_EQ(this->F().ReadFile(this->At("w.bin")), "shorter");
    EXPECT_FALSE(this->F().ReadFile(this->At("none")).has_value());

    EXPECT_TRUE(this->F().CopyFileTo(this->At("w.bin"), this->At("c.bin"), false));
    EXPECT_FALSE(this->F().CopyFileTo(this->At("w.bin"), this->At("c.bin"), false));
    this->Put("w.bin", "newer");
    EXPECT_TRUE(this->F().CopyFileTo(this->At("w.bin"), this->At("c.bin"), true));
    EXPECT_EQ(this->F().ReadFile(this->At("c.bin")), "newer");
    EXPECT_FALSE(this->F().CopyFileTo(this->At("none"), this->At("d.bin"), true));

    ASSERT_TRUE(this->F().CreateFolder(this->At("folder")));
    std::string error;
    EXPECT_FALSE(this->F().WriteFile(this->At("folder"), "x", error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(this->F().WriteFile(this->At("missing\\x.txt"), "x", error));
    EXPECT_FALSE(error.empty());
}

REGISTER_TYPED_TEST_SUITE_P(FilesConformance, EnumerationListsEverythingWithAttributes,
                            DeletionRefusesReadOnlyFilesFoldersAndFullFolders, PathSpellings,
                            WholeFiles);
