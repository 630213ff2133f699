// The real skarvel.exe during and after a long cleaning run of the Windows temp folder: the
// window answers while 20,000 files go (the latency of a message sent to it is measured), its
// progress moves, the summary's numbers are what the folder lost; Esc stops a run after the
// file at hand; closing and logging off during a run stop it first and end as usual, the log
// ending with the summary; an analysis is what the following clean does.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "engine/run_summary.h"
#include "win/support/linux_side.h"
#include "win/support/program_input.h"
#include "win/support/remote_window.h"
#include "win/support/running_program.h"

namespace {

namespace fs = std::filesystem;
using wintest::ClickAt;
using wintest::WaitFor;

// Client points of the main window: "Temp (Windows)", "Begin" and "Analyze".
constexpr POINT kTempWindowsBox{0 + 6 + 0 + 28 + 8, 40 + 4 + 0 + 6 + 8};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};
constexpr POINT kAnalyze{200 + 384 + 22, 40 + 147 + 10};

std::string WindowsTemp() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\temp";
}

// What a folder holds, all the way down.
struct Holdings {
    std::uint64_t files = 0, folders = 0, bytes = 0;
};

Holdings Count(const std::string& folder) {
    Holdings h;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return h;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++h.folders;
            const Holdings below = Count(folder + "\\" + name);
            h.files += below.files;
            h.folders += below.folders;
            h.bytes += below.bytes;
        } else {
            ++h.files;
            h.bytes += (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return h;
}

// COUNT files of 64 bytes in FOLDER, made from the Linux side (a Windows program would take
// minutes for them under Wine).
bool MakeFiles(const std::string& folder, int count) {
    const std::string unix = wintest::UnixPath(folder);
    const std::string marker = folder + ".made";
    wintest::RunLinux(wintest::WideOf(
        "Z:\\bin\\sh -c \"mkdir -p '" + unix + "' && cd '" + unix + "' && i=0 && while [ $i -lt " +
        std::to_string(count) + " ]; do printf '%064d' 0 > f$i.tmp; i=$((i+1)); done && touch '" +
        wintest::UnixPath(marker) + "'\""));
    const bool made = wintest::WaitFor(marker, true, 60000);
    DeleteFileA(marker.c_str());
    return made;
}

// The text of the first child window of TOP whose text matches PATTERN; empty with none.
std::wstring ChildText(HWND top, const std::wregex& pattern) {
    struct Search {
        const std::wregex& pattern;
        std::wstring found;
    } search{pattern, {}};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (!IsWindowVisible(child)) return TRUE;
            const std::wstring text = wintest::WindowText(child);
            if (!std::regex_search(text, s.pattern)) return TRUE;
            s.found = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The whole text of WINDOW (the activity log's hidden memo is long).
std::wstring FullText(HWND window) {
    const auto length = wintest::Ask(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 10000, nullptr);
    text.resize(wcslen(text.c_str()));
    return text;
}

// The numbers of a summary ("Freed 1.2 MB: 5 files and 1 folder deleted") or of an
// analysis's total ("Would free ..."): "1.2 MB 5 1".
std::string Numbers(const std::wstring& text) {
    static const std::wregex numbers(L"(?:free|Freed) (.+?): (\\d+) files? and (\\d+) folders?");
    std::wsmatch m;
    if (!std::regex_search(text, m, numbers)) return "none in " + fs::path(text).string();
    return fs::path(m[1].str() + L" " + m[2].str() + L" " + m[3].str()).string();
}

std::string Numbers(const Holdings& lost) {
    return engine::FormatBytes(lost.bytes) + " " + std::to_string(lost.files) + " " +
           std::to_string(lost.folders);
}

const std::wregex kSoFar(L" so far$");
const std::wregex kSummary(L"^(Stopped\\. )?Freed ");
const std::wregex kTotal(L"^Would free ");
const std::wstring kStopLine = L"Stopped by the user (Остановлено пользователем)";

fs::path ProgramFolder() {
    return fs::path(wintest::ProgramPath()).parent_path();
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(ProgramFolder() / "log", ignored)) {
        std::ifstream in(entry.path(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    return lines;
}

// The stop line as the log file holds it (Windows-1251).
const std::string kStopLine1251 =
    "Stopped by the user (\xCE\xF1\xF2\xE0\xED\xEE\xE2\xEB\xE5\xED\xEE "
    "\xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xE5\xEC)";

class RunWindow : public ::testing::Test {
  protected:
    const std::string temp = WindowsTemp();
    const std::string mine = temp + "\\skarvel-e2e-run";
    const fs::path ini = ProgramFolder() / "Mordaun.ini";
    const std::optional<std::wstring> savedAuto = wintest::ReadAuto();

    RunWindow() {
        CreateDirectoryA(temp.c_str(), nullptr);
        Clean();
        // The log is saved at the end, to see its last lines.
        std::ofstream(ini, std::ios::binary) << "[Log]\r\nALL=true\r\n";
    }
    ~RunWindow() override {
        program.reset();
        Clean();
        wintest::WriteAuto(savedAuto);
    }
    void Clean() {
        if (wintest::Present(mine)) wintest::LinuxRemove(mine);
        std::error_code ignored;
        fs::remove(ini, ignored);
        fs::remove_all(ProgramFolder() / "log", ignored);
    }
    // Makes FILES files in the temp folder, starts the program and begins a clean of the
    // Windows temp folder there; its main window (null when it did not start).
    HWND BeginTempClean(int files) {
        if (!MakeFiles(mine, files)) return nullptr;
        before = Count(temp);
        program.emplace();
        HWND main = program->Main();
        if (main == nullptr) return nullptr;
        ClickAt(main, kTempWindowsBox);
        ClickAt(main, kBegin);
        return main;
    }
    // What the temp folder lost since BEFORE was taken.
    Holdings Lost() const {
        const Holdings after = Count(temp);
        return {before.files - after.files, before.folders - after.folders,
                before.bytes - after.bytes};
    }
    // Waits until the run has deleted some files (its counts show).
    static bool Underway(HWND main) {
        static const std::wregex some(L"^[1-9]\\d* files?, .* so far$");
        return WaitFor([&] { return !ChildText(main, some).empty(); }, "the run to be underway");
    }

    Holdings before;
    std::optional<wintest::RunningProgram> program;
};

TEST_F(RunWindow, ALongRunKeepsTheWindowAnsweringItsProgressMovesAndItsSummaryIsWhatWentAway) {
    constexpr int kFiles = 20000;
    HWND main = BeginTempClean(kFiles);
    ASSERT_NE(main, nullptr);

    HWND bar = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            bar = wintest::FindChildOfClass(main, L"msctls_progress32");
            return bar != nullptr && IsWindowVisible(bar);
        },
        "the progress bar"));
    const auto high = wintest::Ask(bar, PBM_GETRANGE, FALSE, 0);
    const auto low = wintest::Ask(bar, PBM_GETRANGE, TRUE, 0);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 4) << "Temp (Windows) and the three radio choices";

    // While it runs: how long a message sent to the window waits for its answer; what the
    // progress shows.
    std::vector<double> waits;
    std::vector<std::wstring> counts;
    std::vector<LRESULT> positions;
    std::wstring summary;
    const auto start = std::chrono::steady_clock::now();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    while (std::chrono::steady_clock::now() - start < std::chrono::minutes(4)) {
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        DWORD_PTR answer = 0;
        ASSERT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer), 0)
            << "the window did not answer within 10 s";
        QueryPerformanceCounter(&t1);
        waits.push_back(1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        if (waits.size() % 5 == 0) {
            const std::wstring now = ChildText(main, kSoFar);
            if (!now.empty() && (counts.empty() || counts.back() != now)) counts.push_back(now);
            positions.push_back(wintest::Ask(bar, PBM_GETPOS));
            summary = ChildText(main, kSummary);
            if (!summary.empty()) break;
        }
        Sleep(10);
    }
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_FALSE(summary.empty()) << "no summary after " << took << " s";
    const Holdings lost = Lost();
    EXPECT_FALSE(wintest::Present(mine + "\\f0.tmp"));

    std::vector<double> sorted = waits;
    std::sort(sorted.begin(), sorted.end());
    const double p95 = sorted[static_cast<std::size_t>(std::ceil(0.95 * sorted.size())) - 1];
    const double worst = sorted.back();
    std::cout << "[ a message to the window during a " << kFiles << "-file run of " << took
              << " s: " << sorted.size() << " sent, answered at the 95th percentile in " << p95
              << " ms, at worst in " << worst << " ms ]\n";
    EXPECT_LT(p95, 100.0);
    EXPECT_LT(worst, 500.0);

    EXPECT_GE(counts.size(), 3u) << "the counts moved several times";
    EXPECT_EQ(wintest::Ask(bar, PBM_GETPOS), 4);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_GE(lost.files, static_cast<std::uint64_t>(kFiles));
    EXPECT_EQ(Numbers(summary), Numbers(lost)) << fs::path(summary).string();

    // The log file ends with the same summary.
    EXPECT_EQ(program->Close(), 0u);
    const std::vector<std::string> log = LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), fs::path(summary).string());
}

TEST_F(RunWindow, EscStopsTheRunAfterTheFileAtHandAndTheLogSaysSo) {
    HWND main = BeginTempClean(20000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Underway(main));
    PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main, WM_KEYUP, VK_ESCAPE, 0);
    std::wstring summary;
    ASSERT_TRUE(WaitFor([&] { return !(summary = ChildText(main, kSummary)).empty(); },
                        "the summary of the stopped run"));
    EXPECT_EQ(summary.rfind(L"Stopped. Freed ", 0), 0u) << fs::path(summary).string();
    EXPECT_GT(Count(mine).files, 0u) << "the rest of the files stay";
    EXPECT_EQ(Numbers(summary), Numbers(Lost()));
    const std::wstring log = FullText(wintest::FindChildOfClass(main, L"Edit"));
    EXPECT_NE(log.find(kStopLine), std::wstring::npos) << fs::path(log).string();
    EXPECT_EQ(log.find(L"Cut off Dr. Watson"), std::wstring::npos) << "no step after the stop";
}

TEST_F(RunWindow, ClosingOrLoggingOffDuringARunStopsItFirstThenEndsWithItsLog) {
    for (bool logOff : {false, true}) {
        SCOPED_TRACE(logOff ? "log-off" : "close");
        HWND main = BeginTempClean(20000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(Underway(main));
        if (logOff) {
            DWORD_PTR agreed = 0;
            ASSERT_NE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                          SMTO_NORMAL, 5000, &agreed),
                      0);
            EXPECT_EQ(agreed, static_cast<DWORD_PTR>(TRUE));
            EXPECT_NE(SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                          5000, nullptr),
                      0)
                << "no answer to the end within the system's wait";
        } else {
            PostMessageW(main, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program->WaitForExit(20000), 0u) << "the program did not end";
        EXPECT_GT(Count(mine).files, 0u) << "the run was stopped";
        const std::vector<std::string> log = LogLines();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[log.size() - 2], kStopLine1251);
        EXPECT_EQ(log.back().rfind("Stopped. Freed ", 0), 0u) << log.back();
        Clean();
        std::ofstream(ini, std::ios::binary) << "[Log]\r\nALL=true\r\n";
    }
}

TEST_F(RunWindow, AnAnalysisIsWhatTheFollowingCleanDoes) {
    ASSERT_TRUE(MakeFiles(mine, 500));
    ASSERT_TRUE(MakeFiles(mine + "\\sub", 20));
    program.emplace();
    HWND main = program->Main();
    ASSERT_NE(main, nullptr);
    before = Count(temp);
    ClickAt(main, kTempWindowsBox);
    ClickAt(main, kAnalyze);
    std::wstring total;
    ASSERT_TRUE(
        WaitFor([&] { return !(total = ChildText(main, kTotal)).empty(); }, "the analysis"));
    // The analysis in the file list's place: the one list view shown.
    struct Lists {
        int shown = 0;
        HWND list = nullptr;
    } lists;
    EnumChildWindows(
        main,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(child, cls, 64);
            if (std::wstring(cls) != WC_LISTVIEWW || !IsWindowVisible(child)) return TRUE;
            auto* l = reinterpret_cast<Lists*>(param);
            ++l->shown;
            l->list = child;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&lists));
    ASSERT_EQ(lists.shown, 1);
    HWND list = lists.list;
    EXPECT_EQ(wintest::ListViewText(list, 0, 0), L"Temp (Windows)");
    EXPECT_EQ(Count(temp).files, before.files) << "an analysis changes nothing";

    // Its "Clean".
    struct Search {
        HWND found = nullptr;
    } search;
    EnumChildWindows(
        main,
        [](HWND child, LPARAM param) -> BOOL {
            if (wintest::WindowText(child) != L"Clean" || !IsWindowVisible(child)) return TRUE;
            reinterpret_cast<Search*>(param)->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    HWND clean = search.found;
    ASSERT_NE(clean, nullptr);
    RECT r;
    GetWindowRect(clean, &r);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(main, &middle);
    ClickAt(main, middle);
    std::wstring summary;
    ASSERT_TRUE(WaitFor([&] { return !(summary = ChildText(main, kSummary)).empty(); },
                        "the clean's summary"));
    EXPECT_EQ(Numbers(total), Numbers(summary));
    EXPECT_EQ(Numbers(summary), Numbers(Lost()));
    EXPECT_FALSE(wintest::Present(mine + "\\f0.tmp"));
}

}  // namespace
