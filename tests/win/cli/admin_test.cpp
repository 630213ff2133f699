// skarvel-cli.exe as an administrator drives it: a category turned off by policy in the
// registry stays uncleaned, and a scheduled cleaning is made, listed and removed in the Task
// Scheduler.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/cli/cli_run.h"
#include "win/support/user_policy.h"

namespace {

using namespace wintest::cli;

TEST(CommandLineAdmin, APolicyTurnsACategoryOffAndListSaysSo) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string probe = std::string(windows) + "\\temp\\skarvel-policy-probe.tmp";
    Write(probe, "stays");
    const wintest::UserPolicy policy;
    ASSERT_TRUE(policy.Set(L"Categories", L"temp-windows", 0));

    const wintest::Captured clean = Cli(L"--clean temp-windows --quiet");
    const wintest::Captured list = Cli(L"--list");

    EXPECT_NE(GetFileAttributesA(probe.c_str()), INVALID_FILE_ATTRIBUTES) << clean.output;
    EXPECT_NE(clean.output.find("temp-windows is turned off by your administrator"),
              std::string::npos)
        << clean.output;
    EXPECT_NE(list.output.find("[off: set by your administrator]"), std::string::npos)
        << list.output;
    DeleteFileA(probe.c_str());
}

TEST(CommandLineAdmin, AScheduleIsMadeListedAndRemoved) {
    const wintest::Captured made = Cli(L"--schedule daily --at 05:15 recent temp-user");
    EXPECT_EQ(made.exitCode, 0u) << made.output;
    const wintest::Captured listed = Cli(L"--list --json");
    EXPECT_NE(listed.output.find("\"trigger\": \"daily\", \"setByAdministrator\": false, "
                                 "\"at\": \"05:15\", \"ids\": [\"temp-user\", \"recent\"]"),
              std::string::npos)
        << listed.output;
    const wintest::Captured removed = Cli(L"--unschedule");
    EXPECT_EQ(removed.exitCode, 0u) << removed.output;
    EXPECT_NE(Cli(L"--list").output.find("): none\n"), std::string::npos);
    // The run the task starts: its event is handed to the log.
    const wintest::Captured run = Cli(L"--clean recent --quiet --event-log");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
}

}  // namespace
