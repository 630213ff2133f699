// The type listing of HKEY_CLASSES_ROOT against a fake registry.

#include "forms/type_manager/type_listing.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using Lines = std::vector<std::string>;

class TypeListingTest : public ::testing::Test {
  protected:
    TypeListingTest() {
        (void)registry.OpenKey(RegistryRoot::ClassesRoot, "", platform::KeyMode::CreateIfMissing);
    }
    void Default(const std::string& key, const std::string& text,
                 RegistryType type = RegistryType::String) {
        registry.SetValue(RegistryRoot::ClassesRoot, key, "", type, {text.begin(), text.end()});
    }
    // An empty key (no values).
    void Key(const std::string& key) {
        (void)registry.OpenKey(RegistryRoot::ClassesRoot, key, platform::KeyMode::CreateIfMissing);
    }
    static Lines Entry(const std::string& ext, const std::string& type, const std::string& display,
                       const std::string& command) {
        return {"Extension:  \"" + ext + "\"",
                "Typename:  \"" + type + "\", Displayname:  \"" + display + "\"",
                "Server: " + command,
                "",
                "-----------------------------",
                ""};
    }
    static Lines Join(std::initializer_list<Lines> entries) {
        Lines all;
        for (const Lines& e : entries) all.insert(all.end(), e.begin(), e.end());
        return all;
    }

    fakes::FakeRegistry registry;
};

TEST_F(TypeListingTest, ListsOnlyExtensionsWhoseTypeHasAnOpenCommand) {
    // Listed: a plain type; a type key without a default (empty display name); a command kept
    // unexpanded; two extensions naming one type.
    Default(".txt", "txtfile");
    Default("txtfile", "Text Document");
    Default("txtfile\\shell\\open\\command", "%SystemRoot%\\notepad.exe %1",
            RegistryType::ExpandString);
    Default(".log", "txtfile");
    Default(".bare", "barefile");
    Key("barefile");
    Default("barefile\\shell\\open\\command", "bare.exe");
    // Not listed: a key that is not an extension even with a command; an extension without a
    // default, or with an empty one; a type without an open command; a type that is missing.
    Default("cmdfile", "Command");
    Default("cmdfile\\shell\\open\\command", "cmd.exe");
    Key(".nodefault");
    Default(".empty", "");
    Default(".noopen", "noopenfile");
    Default("noopenfile", "No open");
    Default("noopenfile\\shell\\print\\command", "print.exe");
    Default(".ghost", "ghostfile");
    // Keys a standard user may only read are listed all the same.
    registry.classesRootReadOnly = true;

    tools::TypeListing listing = tools::ListFileTypes(registry);
    EXPECT_EQ(listing.lines,
              Join({Entry(".bare", "barefile", "", "bare.exe"),
                    Entry(".log", "txtfile", "Text Document", "%SystemRoot%\\notepad.exe %1"),
                    Entry(".txt", "txtfile", "Text Document", "%SystemRoot%\\notepad.exe %1")}));
    EXPECT_TRUE(listing.failure.empty());
}

TEST_F(TypeListingTest, ANonTextDefaultEndsTheListingAndKeepsTheEntriesBeforeIt) {
    Default(".a", "afile");
    Default("afile\\shell\\open\\command", "a.exe");
    registry.SetValue(RegistryRoot::ClassesRoot, ".b", "", RegistryType::Dword, {1, 0, 0, 0});
    Default(".c", "afile");

    tools::TypeListing listing = tools::ListFileTypes(registry);
    EXPECT_EQ(listing.lines, Entry(".a", "afile", "", "a.exe"));
    EXPECT_EQ(listing.failure, "Invalid data type for ''");

    // The same for a display name or a command that is not text.
    for (const char* key : {"afile", "afile\\shell\\open\\command"}) {
        fakes::FakeRegistry other;
        (void)other.OpenKey(RegistryRoot::ClassesRoot, "", platform::KeyMode::CreateIfMissing);
        other.SetValue(RegistryRoot::ClassesRoot, ".a", "", RegistryType::String,
                       {'a', 'f', 'i', 'l', 'e'});
        other.SetValue(RegistryRoot::ClassesRoot, "afile\\shell\\open\\command", "",
                       RegistryType::String, {'x'});
        other.SetValue(RegistryRoot::ClassesRoot, key, "", RegistryType::MultiString, {'m'});
        listing = tools::ListFileTypes(other);
        EXPECT_TRUE(listing.lines.empty()) << key;
        EXPECT_EQ(listing.failure, "Invalid data type for ''") << key;
    }
}

TEST_F(TypeListingTest, ARootThatCannotBeOpenedGivesAnEmptyListing) {
    Default(".a", "afile");
    Default("afile\\shell\\open\\command", "a.exe");
    registry.RefuseKey(RegistryRoot::ClassesRoot, "");
    tools::TypeListing listing = tools::ListFileTypes(registry);
    EXPECT_TRUE(listing.lines.empty());
    EXPECT_TRUE(listing.failure.empty());
}

// Anyone may store "type\0junk" as an extension's default: the type is "type", its own key is
// not taken for its command, and every later entry is listed in full.
TEST_F(TypeListingTest, AStringWithANulIsTheTextBeforeIt) {
    using namespace std::string_literals;
    Default(".a", "afile\0junk"s);
    Default("afile", "A file\0\\shell\\open\\command"s);
    Default("afile\\shell\\open\\command", "a.exe %1\0b.exe"s);
    Default(".b", "bfile");
    Default("bfile\\shell\\open\\command", "b.exe");
    Default(".c\0d"s, "bfile");  // a key name with a NUL cannot be opened: no entry

    tools::TypeListing listing = tools::ListFileTypes(registry);
    EXPECT_EQ(listing.lines, Join({Entry(".a", "afile", "A file", "a.exe %1"),
                                   Entry(".b", "bfile", "", "b.exe")}));
    EXPECT_TRUE(listing.failure.empty());
}

}  // namespace
