// The real skarvel.exe when the Windows session ends (log-off, shut-down): every window of it
// is asked and told as the system does; it agrees, writes the options and the log before it
// answers, within the time the system waits, once, and ends.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "win/support/running_program.h"

namespace {

namespace fs = std::filesystem;

// How long the system waits for a program's answer before it offers to end it.
constexpr UINT kSystemWait = 5000;

fs::path Folder() {
    return fs::path(wintest::ProgramPath()).parent_path();
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<fs::path> Logs() {
    std::vector<fs::path> logs;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(Folder() / "log", ignored))
        if (entry.path().extension() == ".log") logs.push_back(entry.path());
    return logs;
}

// The program's own windows (the toolkit's class), shown or hidden, as the system tells each.
std::vector<HWND> ProgramWindows(const wintest::RunningProgram& program) {
    std::vector<HWND> windows;
    for (HWND hwnd : program.TopLevelWindows()) {
        wchar_t name[32] = {};
        GetClassNameW(hwnd, name, 32);
        if (std::wstring(name) == L"SkarvelWindow") windows.push_back(hwnd);
    }
    return windows;
}

struct SessionEnd : ::testing::Test {
    const fs::path ini = Folder() / "Mordaun.ini";
    SessionEnd() { Clean(); }
    ~SessionEnd() override { Clean(); }
    void Clean() {
        std::error_code ignored;
        fs::remove(ini, ignored);
        fs::remove_all(Folder() / "log", ignored);
    }
};

TEST_F(SessionEnd, WritesTheOptionsAndTheLogBeforeItAnswersOnceAndEnds) {
    std::ofstream(ini, std::ios::binary) << "[color]\r\n1=12\r\n[Log]\r\nALL=true\r\n";
    wintest::RunningProgram program;
    ASSERT_NE(program.Main(), nullptr) << "main window not found";
    const std::vector<HWND> windows = ProgramWindows(program);
    // The windows no one has seen yet get their native windows when first shown.
    ASSERT_EQ(windows.size(), 1u) << "the main window alone";

    for (HWND hwnd : windows) {
        DWORD_PTR agreed = 0;
        ASSERT_NE(SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                      kSystemWait, &agreed),
                  0)
            << "no answer to the question within the system's wait";
        EXPECT_EQ(agreed, static_cast<DWORD_PTR>(TRUE));
    }
    // Nothing is written while another program may still refuse.
    EXPECT_EQ(ReadAll(ini), "[color]\r\n1=12\r\n[Log]\r\nALL=true\r\n");
    EXPECT_TRUE(Logs().empty());

    const auto start = std::chrono::steady_clock::now();
    ASSERT_NE(SendMessageTimeoutW(windows.front(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                  SMTO_NORMAL, kSystemWait, nullptr),
              0)
        << "no answer to the end within the system's wait";
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    // Written by the time it answered: the system may end the process at once.
    const std::string settings = ReadAll(ini);
    const std::vector<fs::path> logs = Logs();
    const std::string log = logs.size() == 1 ? ReadAll(logs[0]) : std::string();
    // What the end wrote must not be written again: not for the other windows' notices, not
    // at the program's own end.
    Clean();
    for (HWND hwnd : windows)
        SendMessageTimeoutW(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kSystemWait,
                            nullptr);
    EXPECT_EQ(program.WaitForExit(20000), 0u) << "the program did not end by itself";
    std::cout << "[ answered the end of the session in " << took.count() << " ms ]\n";

    for (const char* kept :
         {"[color]\r\n1=12\r\n", "[tray]\r\nChecked=false\r\n", "[view]\r\nradio=3\r\n",
          "[AutoRun]\r\n1=false\r\n", "[Sound]\r\nALL=true\r\n",
          "[Log]\r\nALL=true\r\nAuto_Clear=false\r\n"})
        EXPECT_NE(settings.find(kept), std::string::npos) << kept << " in\n" << settings;
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_NE(log.find("Name User:   "), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(ini)) << "the settings were written again";
    EXPECT_TRUE(Logs().empty()) << "the log was written again";
}

}  // namespace
