// The registry values, the cache quota from the settings file and the Messenger command.

#include "engine/tweaks.h"

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace runtest {
namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOne = {1, 0, 0, 0};

// Expects STATEMENT to throw std::runtime_error with exactly TEXT.
#define EXPECT_THROW_MESSAGE(statement, text)         \
    try {                                             \
        statement;                                    \
        ADD_FAILURE() << "no error from " #statement; \
    } catch (const std::runtime_error& e) {           \
        EXPECT_STREQ(e.what(), text);                 \
    }

class Tweaks : public ::testing::Test, public RunTest {
  protected:
    const fakes::FakeRegistry::Value* Value(RegistryRoot root, const char* key, const char* name) {
        return fake.registry.Find(root, key, name);
    }
    void ExpectValue(RegistryRoot root, const char* key, const char* name, RegistryType type,
                     const Bytes& data) {
        auto* v = Value(root, key, name);
        ASSERT_NE(v, nullptr) << key << " " << name;
        EXPECT_EQ(v->type, type) << name;
        EXPECT_EQ(v->data, data) << name;
    }
    static Bytes Text(const std::string& s) { return {s.begin(), s.end()}; }
    void WriteSettings(const std::string& contents) {
        std::string error;
        ASSERT_TRUE(fake.files.WriteFile(kSettings, contents, error)) << error;
    }
};

TEST_F(Tweaks, InitialChoicesWriteThePolicyAndDebuggerValues) {
    Clean();
    ExpectValue(RegistryRoot::CurrentUser, engine::kPoliciesKey, "NoRecentDocsHistory",
                RegistryType::Dword, kOne);
    ExpectValue(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey, "NoRecentDocsHistory",
                RegistryType::Binary, kOne);
    ExpectValue(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey, "NoRecentDocsMenu",
                RegistryType::Binary, kOne);
    ExpectValue(RegistryRoot::LocalMachine, engine::kAeDebugKey, "Auto", RegistryType::String,
                Text("0"));
}

TEST_F(Tweaks, TheOtherChoicesRemoveOnlyTheirOwnValues) {
    Clean();  // initial choices: everything written
    view.selected = {Choice::WriteHistory, Choice::NoWriteRecent, Choice::SwitchOnDrWatson};
    Clean();
    EXPECT_EQ(Value(RegistryRoot::CurrentUser, engine::kPoliciesKey, "NoRecentDocsHistory"),
              nullptr);
    // The binary twin in the Explorer key stays: only "Write Recent" removes it.
    ExpectValue(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey, "NoRecentDocsHistory",
                RegistryType::Binary, kOne);
    ExpectValue(RegistryRoot::LocalMachine, engine::kAeDebugKey, "Auto", RegistryType::String,
                Text("1"));

    view.selected = {Choice::WriteHistory, Choice::WriteRecent, Choice::SwitchOnDrWatson};
    Clean();
    EXPECT_EQ(Value(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey, "NoRecentDocsHistory"),
              nullptr);
    EXPECT_EQ(Value(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey, "NoRecentDocsMenu"),
              nullptr);
}

TEST_F(Tweaks, RemovalTouchesOnlyValuesThatArePresent) {
    fake.registry.SetValue(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey,
                           "NoRecentDocsMenu", RegistryType::Binary, kOne);
    engine::ApplyHistoryChoice(fake.registry, false);
    engine::ApplyRecentChoice(fake.registry, false);
    std::vector<std::string> deletes;
    for (const auto& op : fake.registry.log) {
        if (op.rfind("delete ", 0) == 0) deletes.push_back(op);
    }
    EXPECT_EQ(deletes, std::vector<std::string>{
                           "delete hkcu\\software\\microsoft\\windows\\currentversion\\policies\\"
                           "explorer|NoRecentDocsMenu"});
}

TEST_F(Tweaks, SpeedMemoryWritesTheLockLimitAsTextAndTheSwitchesAsBytes) {
    view.checked = {Category::SpeedMemory};
    Clean();
    ExpectValue(RegistryRoot::LocalMachine, engine::kMemoryManagementKey, "IoPageLockLimit",
                RegistryType::String, Text("65536000"));
    ExpectValue(RegistryRoot::LocalMachine, engine::kMemoryManagementKey, "DisablePagingExecutive",
                RegistryType::Binary, kOne);
    ExpectValue(RegistryRoot::LocalMachine, engine::kMemoryManagementKey, "LargeSystemCache",
                RegistryType::Binary, kOne);
    EXPECT_EQ(view.lines.front(), "Speed Memory (Ускорение памяти)");
}

TEST_F(Tweaks, UnopenableKeysArePassedOverSilently) {
    fake.registry.RefuseKey(RegistryRoot::CurrentUser, engine::kPoliciesKey);
    fake.registry.RefuseKey(RegistryRoot::CurrentUser, engine::kExplorerPoliciesKey);
    fake.registry.localMachineReadOnly = true;
    fake.files.AddFile("C:\\WINDOWS\\system32\\dllcache\\x.dll");
    view.checked = {Category::CacheDll};
    Clean();

    EXPECT_TRUE(fake.registry.AllValues().empty());
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\system32\\dllcache\\x.dll"));  // not purged
    EXPECT_EQ(view.lines, (std::vector<std::string>{"Dll Cache =10 Mb (Dll Кэш =10 Mb)",
                                                    "Cut off Dr. Watson (Отключить Dr. Watson)"}));
}

TEST_F(Tweaks, ARefusedWriteEndsTheRunWithTheValueName) {
    fake.registry.RefuseValueWrite("SfcQuota");
    view.checked = {Category::CacheDll};
    EXPECT_THROW_MESSAGE(Clean(), "Failed to set data for 'SfcQuota'");
    EXPECT_TRUE(view.lines.empty());

    // A refused policy write ends it too, before anything is logged.
    fake.registry.RefuseValueWrite("NoRecentDocsHistory");
    view.checked.clear();
    EXPECT_THROW_MESSAGE(Clean(), "Failed to set data for 'NoRecentDocsHistory'");
}

TEST_F(Tweaks, SpeedMemoryFailures) {
    // The session manager key opens, its sub-key does not.
    fakes::FakeRegistry noSubKey;
    noSubKey.RefuseKey(RegistryRoot::LocalMachine, engine::kMemoryManagementKey);
    EXPECT_THROW_MESSAGE(engine::WriteSpeedMemory(noSubKey),
                         "Failed to create key Memory Management");
    fakes::FakeRegistry refused;
    refused.RefuseValueWrite("DisablePagingExecutive");
    EXPECT_THROW_MESSAGE(engine::WriteSpeedMemory(refused),
                         "Failed to set data for 'DisablePagingExecutive'");
}

TEST_F(Tweaks, CacheSizeFromTheFileGoesIntoTheQuotaAndTheLine) {
    WriteSettings("[DLLCache]\r\nCache_Mb=25\r\n");
    fake.files.AddFile("C:\\WINDOWS\\system32\\dllcache\\a.dll", "",
                       platform::attr::kReadOnly | platform::attr::kHidden);
    view.checked = {Category::CacheDll};
    Clean();

    ExpectValue(RegistryRoot::LocalMachine, engine::kWinlogonKey, "SfcQuota", RegistryType::Dword,
                Bytes{25, 0, 0, 0});
    EXPECT_EQ(view.lines.front(), "Dll Cache =25 Mb (Dll Кэш =25 Mb)");
    EXPECT_FALSE(fake.files.Exists("C:\\WINDOWS\\system32\\dllcache\\a.dll"));
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\system32\\dllcache"));
}

TEST_F(Tweaks, MessengerRemovalStartsRunDll32WithItsParameters) {
    fake.system.windowsFolder = "D:\\WINNT";
    view.checked = {Category::WindowsMessenger};
    Clean();

    ASSERT_EQ(fake.shell.started.size(), 1u);
    const auto& started = fake.shell.started[0];
    EXPECT_EQ(started.file, "RunDll32");
    EXPECT_EQ(started.parameters,
              "advpack.dll,LaunchINFSection D:\\WINNT\\INF\\msmsgs.inf,BLC.Remove");
    EXPECT_EQ(started.showMode, 1);
    EXPECT_EQ(started.owner, &ownerTag);
    EXPECT_EQ(view.lines.front(), "Delete Windows Messenger (Windows Messenger)");
}

}  // namespace
}  // namespace runtest
