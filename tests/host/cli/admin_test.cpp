// What an administrator drives skarvel-cli with: policy values in the registry, the scheduled
// task and the event of a run.

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "cli/event_report.h"
#include "command_line_fixture.h"
#include "engine/policy.h"
#include "engine/scheduled_cleaning.h"
#include "fakes/fake_services.h"

namespace {

using platform::RegistryRoot;
using platform::TaskTrigger;

class Admin : public clitest::CommandLineTest {
  protected:
    const std::string task = "Skarvel cleaning (" + *fake.system.userName + ")";

    Admin() {
        fake.system.tempFolder = "C:\\Temp\\";
        fake.files.AddFile("C:\\Temp\\x.txt", "x");
        fake.files.AddFile("C:\\WINDOWS\\temp\\a.tmp", "12345");
    }

    std::unique_ptr<platform::RegistryKey> Key(RegistryRoot root, const std::string& sub) {
        std::string key = engine::kPolicyKey;
        if (!sub.empty()) key += "\\" + sub;
        return fake.registry.OpenKey(root, key, platform::KeyMode::CreateIfMissing);
    }
    void Set(RegistryRoot root, const std::string& sub, const std::string& name, int value) {
        Key(root, sub)->WriteDword(name, static_cast<std::uint32_t>(value));
    }
    void Set(RegistryRoot root, const std::string& sub, const std::string& name,
             const char* value) {
        Key(root, sub)->WriteString(name, value);
    }

    int Run(const std::vector<std::string>& args) {
        return CommandLineTest::Run(args, {&fake.taskScheduler, &fake.eventLog});
    }
};

TEST_F(Admin, PolicyOfMachineWinsKeepPatternsAddUpAndOddValuesCountAsUnset) {
    Set(RegistryRoot::CurrentUser, "Categories", "recent", 1);
    Set(RegistryRoot::LocalMachine, "Categories", "RECENT", 0);
    Set(RegistryRoot::CurrentUser, "Categories", "temp-user", 1);
    Set(RegistryRoot::CurrentUser, "Categories", "drwatson-on", 1);  // no box
    Set(RegistryRoot::CurrentUser, "Categories", "prefetch", "1");   // not a DWORD
    Set(RegistryRoot::LocalMachine, "KeepPatterns", "1", "%TMP%\\a");
    Set(RegistryRoot::CurrentUser, "KeepPatterns", "1", "%TMP%\\b");
    Set(RegistryRoot::CurrentUser, "", "AllowDefinitions", "yes");
    Set(RegistryRoot::LocalMachine, "", "Schedule", "Weekly");
    Set(RegistryRoot::LocalMachine, "", "ScheduleTime", "22:15");
    Set(RegistryRoot::LocalMachine, "", "ScheduleCategories", "recent, bogus;temp-user");

    const engine::Policy policy = engine::ReadPolicy(fake.registry);
    EXPECT_EQ(policy.Forced("recent"), false);
    EXPECT_EQ(policy.Forced("temp-user"), true);
    EXPECT_EQ(policy.Forced("drwatson-on"), std::nullopt);
    EXPECT_EQ(policy.Forced("prefetch"), std::nullopt);
    ASSERT_EQ(policy.keepPatterns.size(), 2u);
    EXPECT_EQ(policy.keepPatterns[0].pattern, "%TMP%\\a");
    EXPECT_EQ(policy.keepPatterns[1].pattern, "%TMP%\\b");
    EXPECT_EQ(policy.definitionsAllowed, false);  // set, but not as a number: the safe reading
    ASSERT_TRUE(policy.schedule);
    EXPECT_EQ(policy.schedule->trigger, TaskTrigger::Weekly);
    EXPECT_EQ(policy.schedule->hour * 100 + policy.schedule->minute, 2215);
    EXPECT_EQ(policy.schedule->ids, (std::vector<std::string>{"recent", "temp-user"}));
}

TEST_F(Admin, ForcedCategoriesJoinOrLeaveTheRunAndListSaysSo) {
    Set(RegistryRoot::LocalMachine, "Categories", "temp-windows", 1);
    Set(RegistryRoot::CurrentUser, "Categories", "temp-user", 0);
    EXPECT_EQ(Run({"--clean", "temp-user", "--json"}), cli::kExitDone);
    EXPECT_NE(console.err.find("temp-user is turned off by your administrator"), std::string::npos);
    EXPECT_TRUE(fake.files.Exists("C:\\Temp\\x.txt"));
    EXPECT_FALSE(fake.files.Exists("C:\\WINDOWS\\temp\\a.tmp"));
    EXPECT_EQ(Run({"--list"}), cli::kExitDone);
    EXPECT_NE(console.out.find("C:\\WINDOWS\\temp  [on: set by your administrator]\n"),
              std::string::npos);
    EXPECT_NE(console.out.find("C:\\Temp\\  [off: set by your administrator]\n"),
              std::string::npos);
    EXPECT_EQ(Run({"--list", "--json"}), cli::kExitDone);
    EXPECT_NE(console.out.find("\"target\": \"C:\\\\Temp\\\\\", \"policy\": \"off\"}"),
              std::string::npos);
}

TEST_F(Admin, ScheduleIsRegisteredListedAndRemoved) {
    EXPECT_EQ(Run({"--schedule", "daily", "--at", "04:30", "temp-user", "recent", "--keep",
                   "%TMP%\\my file"}),
              cli::kExitDone);
    ASSERT_EQ(fake.taskScheduler.tasks.count(task), 1u) << console.err;
    const platform::ScheduledTask& made = fake.taskScheduler.tasks[task];
    EXPECT_EQ(made.program, fake.system.applicationFolder + "skarvel-cli.exe");
    EXPECT_EQ(made.arguments,
              "--clean temp-user recent --keep \"%TMP%\\my file\" --quiet --event-log");
    EXPECT_FALSE(made.system);
    EXPECT_EQ(made.hour * 100 + made.minute, 430);

    // A scheduler that keeps only the description (Wine's) reads back the same.
    platform::ScheduledTask bare;
    bare.description = made.description;
    EXPECT_EQ(engine::ScheduleOf(bare), engine::ScheduleOf(made));

    fake.taskScheduler.tasks[task] = bare;
    EXPECT_EQ(Run({"--list", "--json"}), cli::kExitDone);
    EXPECT_NE(console.out.find("\"trigger\": \"daily\", \"setByAdministrator\": false, \"at\": "
                               "\"04:30\", \"ids\": [\"temp-user\", \"recent\"]"),
              std::string::npos)
        << console.out;

    // Only the machine's categories run as SYSTEM, and a standard user cannot make that task.
    EXPECT_EQ(Run({"--schedule", "logon", "--system", "recent"}), cli::kExitUsage);
    fake.taskScheduler.standardUser = true;
    EXPECT_EQ(Run({"--schedule", "logon", "--system", "temp-windows"}), cli::kExitSomethingLeft);
    EXPECT_NE(console.err.find("Access is denied."), std::string::npos);

    EXPECT_EQ(Run({"--unschedule"}), cli::kExitDone);
    EXPECT_TRUE(fake.taskScheduler.tasks.empty());
    EXPECT_EQ(Run({"--unschedule"}), cli::kExitDone);  // nothing to remove is no failure
}

TEST_F(Admin, PolicyScheduleIsMadeAtStartAndCannotBeChanged) {
    Set(RegistryRoot::CurrentUser, "", "Schedule", "logon");
    Set(RegistryRoot::CurrentUser, "", "ScheduleCategories", "temp-user");
    EXPECT_EQ(Run({"--list"}), cli::kExitDone);
    ASSERT_EQ(fake.taskScheduler.tasks.count(task), 1u);
    EXPECT_EQ(fake.taskScheduler.tasks[task].trigger, TaskTrigger::Logon);
    EXPECT_NE(console.out.find("at log-on: temp-user (set by your administrator)"),
              std::string::npos);
    EXPECT_EQ(Run({"--list"}), cli::kExitDone);
    EXPECT_EQ(fake.taskScheduler.registrations, 1);  // unchanged: not made again
    EXPECT_EQ(Run({"--unschedule"}), cli::kExitRefused);
    EXPECT_EQ(fake.taskScheduler.tasks.count(task), 1u);

    Set(RegistryRoot::CurrentUser, "", "Schedule", "none");
    EXPECT_EQ(Run({"--list"}), cli::kExitDone);
    EXPECT_TRUE(fake.taskScheduler.tasks.empty());
}

TEST_F(Admin, EventOfARunCarriesItsSummaryAndJson) {
    struct Case {
        std::vector<std::string> args;
        bool inUse;
        int code;
        platform::EventType type;
        std::uint32_t id;
    } cases[] = {
        {{"--clean", "temp-user", "--event-log"},
         false,
         0,
         platform::EventType::Information,
         cli::kEventSuccess},
        {{"--clean", "temp-user", "--event-log"},
         true,
         1,
         platform::EventType::Warning,
         cli::kEventPartial},
        {{"--clean", "no-such", "--event-log"},
         false,
         2,
         platform::EventType::Error,
         cli::kEventError},
    };
    for (const Case& c : cases) {
        if (!fake.files.Exists("C:\\Temp\\x.txt")) fake.files.AddFile("C:\\Temp\\x.txt", "x");
        if (c.inUse) fake.files.SetInUse("C:\\Temp\\x.txt");
        fake.eventLog.events.clear();
        EXPECT_EQ(Run(c.args), c.code);
        ASSERT_EQ(fake.eventLog.events.size(), 1u) << c.code;
        const auto& [source, event] = fake.eventLog.events.front();
        EXPECT_EQ(source, "Skarvel");
        EXPECT_EQ(event.type, c.type);
        EXPECT_EQ(event.id, c.id);
        ASSERT_EQ(event.strings.size(), 6u);
        EXPECT_EQ(event.strings[4], std::to_string(c.code));
        EXPECT_TRUE(event.data.starts_with("{\"command\": \"clean\", \"exitCode\": " +
                                           std::to_string(c.code)))
            << event.data;
    }
    EXPECT_EQ(fake.eventLog.events.front().second.strings[2], "0");  // nothing left: a usage error

    // A run whose event is not taken does not end as a success.
    fake.eventLog.refusal = "The event log file is full.";
    EXPECT_EQ(Run({"--clean", "temp-user", "--event-log"}), cli::kExitSomethingLeft);
    EXPECT_NE(console.err.find("The event log file is full."), std::string::npos);
}

}  // namespace
