// The process listing on both platform families and the saved list's name and bytes.

#include "forms/process_manager/process_listing.h"

#include <gtest/gtest.h>

#include "engine/running_processes.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_system.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ProcessListing, NtFamilyListsTheModulePathOfEveryProcessThatOpens) {
    fakes::FakeSystem system;
    fakes::FakeProcesses processes;
    // 0 and 4 (idle, system) cannot be opened; 12 opens but its module cannot be read.
    processes.ids = std::vector<std::uint32_t>{0, 4, 8, 12, 16, 20};
    processes.paths = {{8, "C:\\WINDOWS\\notepad.exe"},
                       {12, ""},
                       {16, "C:\\Program Files\\Skarvel\\skarvel.exe"},
                       {20, "C:\\WINDOWS\\notepad.exe"}};
    // The snapshot belongs to the other family and is never read here.
    processes.snapshot = Lines{"wrong.exe"};

    EXPECT_EQ(engine::ListProcesses(system, processes),
              (Lines{"C:\\WINDOWS\\notepad.exe", "C:\\Program Files\\Skarvel\\skarvel.exe",
                     "C:\\WINDOWS\\notepad.exe"}));
    EXPECT_EQ(processes.openHandles, 0) << "every opened process is closed again";

    processes.ids = std::nullopt;
    EXPECT_TRUE(engine::ListProcesses(system, processes).empty());
}

TEST(ProcessListing, OlderFamilyListsTheSnapshotNamesAndNothingWhenTheSnapshotFails) {
    fakes::FakeSystem system;
    system.version.platformId = platform::kPlatformWindows;
    fakes::FakeProcesses processes;
    processes.snapshot = Lines{"KERNEL32.DLL", "EXPLORER.EXE", "EXPLORER.EXE"};
    processes.ids = std::vector<std::uint32_t>{8};
    processes.paths = {{8, "C:\\WINDOWS\\wrong.exe"}};

    EXPECT_EQ(engine::ListProcesses(system, processes),
              (Lines{"KERNEL32.DLL", "EXPLORER.EXE", "EXPLORER.EXE"}));
    processes.snapshot = std::nullopt;
    EXPECT_TRUE(engine::ListProcesses(system, processes).empty());
}

TEST(ProcessListFile, NameAlwaysGetsTxtAndLinesEndInCrLfInTheAnsiPageOrElseUtf8) {
    EXPECT_EQ(tools::ProcessListFileName("C:\\list"), "C:\\list.txt");
    EXPECT_EQ(tools::ProcessListFileName("C:\\list.txt"), "C:\\list.txt.txt");

    fakes::FakeSystem system;  // its ANSI page is Latin-1
    EXPECT_EQ(tools::ProcessListBytes(system, {}), "");
    EXPECT_EQ(tools::ProcessListBytes(system, {"C:\\a.exe", "C:\\caf\xC3\xA9.exe"}),
              "C:\\a.exe\r\nC:\\caf\xE9.exe\r\n");
    // A Cyrillic path does not fit: the whole list is UTF-8 after a byte-order mark.
    EXPECT_EQ(tools::ProcessListBytes(system, {"C:\\a.exe", "C:\\\xD0\xB6.exe"}),
              "\xEF\xBB\xBF"
              "C:\\a.exe\r\nC:\\\xD0\xB6.exe\r\n");
}

TEST(ProcessListFile, SavingReplacesTheFileAndAFailedCreationIsReportedWithItsReason) {
    fakes::FakeSystem system;
    fakes::FakeFileSystem files;
    files.AddFolder("C:\\out");
    files.AddFile("C:\\out\\list.txt", "old");
    tools::SaveProcessList(files, system, "C:\\out\\list.txt", {"C:\\a.exe"});
    EXPECT_EQ(files.ReadFile("C:\\out\\list.txt"), "C:\\a.exe\r\n");

    try {
        tools::SaveProcessList(files, system, "C:\\missing\\list.txt", {"C:\\a.exe"});
        FAIL() << "no error raised";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"C:\\missing\\list.txt\". ", 0),
                  0u)
            << e.what();
    }
}

}  // namespace
