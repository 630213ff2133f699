// Our own definitions file through the command line on fakes: listed by group with its faults
// and warnings, cleaned exactly as it says (files, folders, registry keys after their backup),
// warnings accepted or not, the backup restored, and nothing deleted without it.

#include <gtest/gtest.h>

#include <map>

#include "cli/cli.h"
#include "command_line_fixture.h"
#include "definitions/our_definitions.h"
#include "fakes/fake_services.h"
#include "platform/portable/path_text.h"

namespace {

using platform::KnownFolder;
using platform::RegistryRoot;
using platform::RegistryType;

const std::map<std::string, std::string> kRoots = {
    {"LocalAppData", "C:\\Users\\u\\AppData\\Local"},
    {"AppData", "C:\\Users\\u\\AppData\\Roaming"},
    {"LocalLowAppData", "C:\\Users\\u\\AppData\\LocalLow"},
    {"ProgramData", "C:\\ProgramData"},
    {"ProgramFiles", "C:\\Program Files"},
    {"ProgramFilesX86", "C:\\Program Files (x86)"},
    {"WinDir", "C:\\WINDOWS"},
    {"UserProfile", "C:\\Users\\u"},
    {"SystemDrive", "C:"},
    {"Temp", "C:\\Users\\u\\AppData\\Local\\Temp"},
};

std::string PathOf(const testdefs::OurFile& file) {
    std::string path = kRoots.at(file.variable) + "\\" + file.path;
    const std::size_t user = path.find("%UserName%");
    if (user != std::string::npos) path.replace(user, 10, "u");
    return path;
}

class OurDefinitions : public clitest::CommandLineTest {
  protected:
    OurDefinitions() {
        const std::map<KnownFolder, std::string> known = {
            {KnownFolder::LocalAppData, kRoots.at("LocalAppData")},
            {KnownFolder::RoamingAppData, kRoots.at("AppData")},
            {KnownFolder::ProgramData, "C:\\ProgramData"},
            {KnownFolder::ProgramFiles, "C:\\Program Files"},
            {KnownFolder::ProgramFilesX86, "C:\\Program Files (x86)"},
            {KnownFolder::Windows, "C:\\WINDOWS"},
            {KnownFolder::ProfilesRoot, "C:\\Users"},
            {KnownFolder::Profiles, "C:\\Users\\u"},
            {KnownFolder::CurrentProfile, "C:\\Users\\u"},
            {KnownFolder::Documents, "C:\\Users\\u\\Documents"},
            {KnownFolder::Music, "C:\\Users\\u\\Music"},
        };
        for (const auto& [id, path] : known) fake.files.knownFolders[id] = {path};
        fake.system.version = {10, 0};
        fake.system.tempFolder = kRoots.at("Temp") + "\\";
        fake.system.userName = "u";
        fake.system.environment = {
            {"USERPROFILE", "C:\\Users\\u"}, {"PUBLIC", "C:\\Users\\Public"}, {"HOMEDRIVE", "C:"}};
        for (const testdefs::OurFile& file : testdefs::kOurFiles)
            if (!std::string_view(file.path).ends_with('\\'))
                fake.files.AddFile(PathOf(file), file.path);
        fake.files.AddFile("C:\\defs.ini", testdefs::kOurDefinitions);
        Value("Software\\SkarvelW2", "LastFile", RegistryType::String, "C:\\x.txt");
        Value("Software\\SkarvelW2", "Other", RegistryType::Dword, std::string("\1\0\0\0", 4));
        Value("Software\\SkarvelW2\\Recent", "a", RegistryType::ExpandString, "%TEMP%\\a");
        Value("Software\\SkarvelW2\\Recent", "Pinned", RegistryType::String, "mine");
        Value("Software\\SkarvelW2\\Recent\\Sub", "b", RegistryType::Binary, "\x01\x02");
        Value("Software\\SkarvelW2\\Settings\\A", "c", RegistryType::Qword, std::string(8, '\7'));
        Value("Software\\SkarvelW2\\Settings\\Keep", "k", RegistryType::String, "kept");
        Value("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "SkarvelW2",
              RegistryType::String, "x.exe");
        fake.registry.SetValue(RegistryRoot::Users, ".DEFAULT\\Software\\SkarvelW2", "",
                               RegistryType::String, {});
    }

    void Value(const char* key, const char* name, RegistryType type, const std::string& data) {
        fake.registry.SetValue(RegistryRoot::CurrentUser, key, name, type,
                               {data.begin(), data.end()});
    }

    int Clean(std::vector<std::string> extra) {
        std::vector<std::string> args = {"--clean", "--winapp2", "C:\\defs.ini", "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        return Run(args);
    }
    // Every value of the registry with its type and bytes as stored.
    std::map<std::string, platform::StoredValue> Registry() {
        std::map<std::string, platform::StoredValue> all;
        for (const std::string& value : fake.registry.AllValues()) {
            const std::size_t bar = value.find('|');
            const std::string key = value.substr(0, value.find('\\') + 1);
            auto opened = fake.registry.OpenKey(
                key == "hku\\" ? RegistryRoot::Users : RegistryRoot::CurrentUser,
                value.substr(value.find('\\') + 1, bar - value.find('\\') - 1),
                platform::KeyMode::ReadOnly);
            for (const platform::StoredValue& stored : opened->StoredValues())
                if (platform::LowerAscii(stored.name) == value.substr(bar + 1)) all[value] = stored;
        }
        return all;
    }
};

TEST_F(OurDefinitions, ListedByGroupWithItsWarningAndFaults) {
    EXPECT_EQ(Run({"--list", "--winapp2", "C:\\defs.ini"}), 0);
    for (const char* shown :
         {"\n[Google Chrome]\nw2-skarvel-chrome-caches",
          "\n[Applications]\nw2-skarvel-program-logs", "\n[Games]\nw2-skarvel-registry-traces",
          "\n[Multimedia]\nw2-skarvel-media-thumbnails", "\n[Internet]\nw2-skarvel-sessions",
          "warning: This deletes the saved sessions", "\n[Other]\nw2-skarvel-autostart",
          "w2-skarvel-absent"})
        EXPECT_NE(console.out.find(shown), std::string::npos) << shown << "\n" << console.out;
    EXPECT_EQ(console.out.find("w2-skarvel-typo"), std::string::npos);
    EXPECT_NE(console.err.find("line 68: unclosed '%'"), std::string::npos) << console.err;
    EXPECT_NE(
        console.err.find("line 70: entry 'w2-skarvel-chrome-caches' already defined on line 2"),
        std::string::npos)
        << console.err;
}

// Exactly what the file names goes, the registry's after its backup; the backup restores it.
TEST_F(OurDefinitions, CleanExactlyWhatItNamesAndRestoreTheRegistry) {
    const auto files = fake.files.Snapshot("C:\\");
    const auto registry = Registry();
    std::vector<std::string> ids(std::begin(testdefs::kOurCleanIds),
                                 std::end(testdefs::kOurCleanIds));
    std::vector<std::string> preview = {"--preview", "--winapp2", "C:\\defs.ini"};
    preview.insert(preview.end(), ids.begin(), ids.end());
    EXPECT_EQ(Run(preview), 0) << console.out;
    EXPECT_EQ(fake.files.Snapshot("C:\\"), files);
    EXPECT_EQ(Registry(), registry);
    EXPECT_NE(console.out.find("would delete HKEY_CURRENT_USER\\Software\\SkarvelW2|LastFile"),
              std::string::npos)
        << console.out;

    EXPECT_EQ(Clean(ids), 0) << console.out;
    for (const testdefs::OurFile& file : testdefs::kOurFiles)
        EXPECT_EQ(fake.files.Exists(PathOf(file)), !file.gone) << PathOf(file);
    EXPECT_EQ(fake.registry.AllValues(),
              (std::set<std::string>{
                  "hkcu\\software\\skarvelw2|other", "hkcu\\software\\skarvelw2\\recent|pinned",
                  "hkcu\\software\\skarvelw2\\settings\\keep|k",
                  "hkcu\\software\\microsoft\\windows\\currentversion\\run|skarvelw2",
                  "hku\\.default\\software\\skarvelw2|"}));
    const std::string backup = "C:\\Program Files\\Skarvel\\backup\\2026-12-06_09-05-07.reg";
    EXPECT_NE(
        console.out.find(
            "\"registryBackup\": \"" +
            std::string("C:\\\\Program Files\\\\Skarvel\\\\backup\\\\2026-12-06_09-05-07.reg")),
        std::string::npos)
        << console.out;

    EXPECT_EQ(Run({"--restore", backup}), 0) << console.err;
    EXPECT_EQ(console.out, "Restored 4 keys and 4 values from " + backup + ".\n");
    EXPECT_EQ(Registry(), registry);
}

TEST_F(OurDefinitions, NothingGoesWithoutItsBackup) {
    fake.files.AddFile("C:\\Program Files\\Skarvel\\backup", "a file where the folder would be");
    const auto files = fake.files.Snapshot("C:\\");
    const auto registry = Registry();
    EXPECT_EQ(Clean({"w2-skarvel-registry-traces"}), cli::kExitSomethingLeft) << console.out;
    EXPECT_NE(console.out.find("\"status\": \"error\""), std::string::npos) << console.out;
    EXPECT_NE(console.out.find("the registry backup C:\\\\Program Files\\\\Skarvel\\\\backup\\\\"),
              std::string::npos)
        << console.out;
    auto after = fake.files.Snapshot("C:\\");
    after.erase("c:\\program files\\skarvel\\mordaun.ini");  // the run's settings defaults
    EXPECT_EQ(after, files);
    EXPECT_EQ(Registry(), registry);
}

// A warning is accepted by name or not at all; "all" leaves such entries out unless accepted,
// and takes the refused one (a key at an anchor) as refused.
TEST_F(OurDefinitions, WarningsAreAcceptedOrTheEntryIsNotCleaned) {
    const std::string sessions = "C:\\Users\\u\\AppData\\Local\\SkarvelW2\\Sessions\\s.dat";
    EXPECT_EQ(Clean({"w2-skarvel-sessions"}), cli::kExitUsage);
    EXPECT_NE(console.err.find("This deletes the saved sessions of SkarvelW2."), std::string::npos);
    EXPECT_EQ(Run({"--preview", "w2-skarvel-sessions", "--winapp2", "C:\\defs.ini"}), 0);
    EXPECT_EQ(Clean({"all"}), cli::kExitRefused);
    EXPECT_TRUE(fake.files.Exists(sessions));
    EXPECT_NE(console.out.find("\"id\": \"w2-skarvel-autostart\", \"name\": \"Skarvel Autostart\""),
              std::string::npos);
    EXPECT_NE(console.out.find("at or above a key Windows and its programs rely on"),
              std::string::npos);
    EXPECT_TRUE(fake.registry.Find(RegistryRoot::CurrentUser,
                                   "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                   "SkarvelW2"));
    EXPECT_EQ(Clean({"w2-skarvel-sessions", "--accept-warnings"}), 0);
    EXPECT_FALSE(fake.files.Exists(sessions));
}

TEST_F(OurDefinitions, ABackupThatCannotBeReadRestoresNothing) {
    const auto registry = Registry();
    fake.files.AddFile("C:\\bad.reg",
                       "Windows Registry Editor Version 5.00\r\n[HKCU\\Software\\New]\r\n"
                       "\"a\"=\"b\"\r\n\"c\"=dword:xyz\r\n");
    EXPECT_EQ(Run({"--restore", "C:\\bad.reg"}), cli::kExitUsage);
    EXPECT_NE(console.err.find("C:\\bad.reg: line 4: a malformed dword"), std::string::npos)
        << console.err;
    EXPECT_EQ(Run({"--restore", "C:\\missing.reg"}), cli::kExitUsage);
    EXPECT_EQ(Registry(), registry);
}

}  // namespace
