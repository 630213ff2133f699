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

TYPED_TEST_P(FilesConformance, HandlesListIdentifyAndDelete) {
    using platform::OpenFor;
    this->Put("ro.txt", "r");
    ASSERT_TRUE(this->F().SetAttributes(this->At("ro.txt"), platform::attr::kReadOnly));
    ASSERT_TRUE(this->F().CreateFolder(this->At("dir")));
    this->Put("dir\\inside", "i");

    auto folder = this->F().Open(this->At("dir"), OpenFor::Listing);
    ASSERT_TRUE(folder);
    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(folder->List(entries));
    ASSERT_EQ(entries.size(), 1u);  // no "." or ".."
    EXPECT_EQ(entries[0].name, "inside");
    EXPECT_EQ(entries[0].size, 1u);
    const std::string final = folder->FinalPath();
    EXPECT_TRUE(final.starts_with("\\\\?\\") && final.ends_with("\\dir")) << final;
    auto again = this->F().Open(this->At("DIR\\..\\dir\\"), OpenFor::Listing);
    auto literal = this->F().Open(final, OpenFor::Listing);
    ASSERT_TRUE(again && literal && folder->Identity().has_value());
    EXPECT_FALSE(folder->IsMountPoint());
    EXPECT_EQ(again->Identity(), folder->Identity());
    EXPECT_EQ(literal->Identity(), folder->Identity());
    EXPECT_NE(this->F().Open(this->At("ro.txt"), OpenFor::Listing)->Identity(), folder->Identity());
    folder.reset();  // a folder goes when its last handle closes
    again.reset();
    literal.reset();

    EXPECT_FALSE(this->F().Open(this->At("dir"), OpenFor::Deletion));  // a folder is no file
    EXPECT_FALSE(this->F().Open(this->At("missing"), OpenFor::Deletion));
    {
        auto full = this->F().Open(this->At("dir"), OpenFor::Removal);
        ASSERT_TRUE(full);
        EXPECT_FALSE(full->MarkForDeletion());  // not empty
        auto readOnly = this->F().Open(this->At("ro.txt"), OpenFor::Deletion);
        ASSERT_TRUE(readOnly);
        EXPECT_FALSE(readOnly->MarkForDeletion());
        EXPECT_EQ(readOnly->LinkCount(), 1u);
        readOnly.reset();  // held for deletion, it is no one else's to delete or rename
        auto reset = this->F().Open(this->At("RO.TXT"), OpenFor::AttributeReset);
        ASSERT_TRUE(reset);
        EXPECT_TRUE(reset->SetAttributes(platform::attr::kArchive));
        EXPECT_TRUE(reset->MarkForDeletion());
        EXPECT_TRUE(this->F().FileExists(this->At("ro.txt")));  // until the handle closes
    }
    EXPECT_FALSE(this->F().FileExists(this->At("ro.txt")));
    {
        auto inside = this->F().Open(this->At("dir\\inside"), OpenFor::Deletion);
        ASSERT_TRUE(inside && inside->MarkForDeletion());
    }
    {
        auto empty = this->F().Open(this->At("dir"), OpenFor::Removal);
        ASSERT_TRUE(empty && empty->MarkForDeletion());
    }
    EXPECT_FALSE(this->F().Attributes(this->At("dir")).has_value());
}

TYPED_TEST_P(FilesConformance, LiteralPathsReachNamesEndingInDotsOrSpaces) {
    using platform::OpenFor;
    const std::string base = this->F().Open(this->env.Root(), OpenFor::Listing)->FinalPath();
    ASSERT_TRUE(this->F().CreateFolder(base + "\\sub."));
    std::string error;
    ASSERT_TRUE(this->F().WriteFile(base + "\\sub.\\file ", "x", error)) << error;
    EXPECT_FALSE(this->F().DirectoryExists(this->At("sub.")));  // read as "sub"
    EXPECT_TRUE(this->F().DirectoryExists(base + "\\sub."));

    auto file = this->F().Open(base + "\\sub.\\file ", OpenFor::Deletion);
    ASSERT_TRUE(file);
    // Reported as it is, or (under Wine) with the trailing dots and spaces of every name cut.
    const std::string final = file->FinalPath();
    EXPECT_TRUE(final == base + "\\sub.\\file " || final == base + "\\sub\\file") << final;
    EXPECT_TRUE(file->MarkForDeletion());
    file.reset();
    EXPECT_FALSE(this->F().FileExists(base + "\\sub.\\file "));
    EXPECT_FALSE(this->F().Open(base + "\\sub.\\..\\sub.", OpenFor::Listing));  // no ".." here
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

    // Appended in place, made when missing; never a folder.
    ASSERT_TRUE(this->F().AppendFile(this->At("a.log"), "one\r\n", error)) << error;
    ASSERT_TRUE(this->F().AppendFile(this->At("a.log"), "two\r\n", error)) << error;
    EXPECT_EQ(this->F().ReadFile(this->At("a.log")), "one\r\ntwo\r\n");
    EXPECT_FALSE(this->F().AppendFile(this->At("folder"), "x", error));
}

// Names compare as the system compares them, in every script: Latin, Vietnamese, Azerbaijani,
// Greek, Cyrillic and Armenian letters in either case.
TYPED_TEST_P(FilesConformance, NamesCompareInEveryScript) {
    const std::string lower = "a\xc3\xa9\xe1\xba\xa1\xc9\x99\xcf\x83\xd0\xb6\xd5\xa1";
    const std::string upper = "A\xc3\x89\xe1\xba\xa0\xc6\x8f\xce\xa3\xd0\x96\xd4\xb1";
    EXPECT_EQ(this->F().NameKey(lower), this->F().NameKey(upper));
    EXPECT_EQ(this->F().NameKey(upper), this->F().NameKey(this->F().NameKey(upper)));
    EXPECT_NE(this->F().NameKey("a\xc3\xa9"), this->F().NameKey("ae"));
    this->Put(lower + ".txt", "x");
    EXPECT_TRUE(this->F().FileExists(this->At(upper + ".TXT")));
}

REGISTER_TYPED_TEST_SUITE_P(FilesConformance, EnumerationListsEverythingWithAttributes,
                            HandlesListIdentifyAndDelete,
                            LiteralPathsReachNamesEndingInDotsOrSpaces, PathSpellings, WholeFiles,
                            NamesCompareInEveryScript);
