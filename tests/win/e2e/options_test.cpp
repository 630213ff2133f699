// The real skarvel.exe with a prepared settings file: the stored colour, view style and tray
// icon are in force at start; a double-click on the Russian language file turns the main
// window Russian for this run and the next; the auto-start box writes and removes its entry;
// at exit the settings file holds the options and the log folder the run's log. A copy in a
// folder named in other scripts keeps its language choice in a Unicode settings file.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "win/support/linux_side.h"
#include "win/support/program_copy.h"
#include "win/support/program_input.h"
#include "win/support/running_program.h"

namespace {

using wintest::ClickAt;
using wintest::WaitFor;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Client points, from the layouts: "Begin" and "Mechanical Options" in the main window's right
// panel at (200, 40); the auto-start box at (8, 17) in its group at (184, 0) of the options
// window's panel at (0, 40).
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};
constexpr POINT kMechanicalOptions{200 + 384 + 22, 40 + 123 + 10};
constexpr POINT kAutoStartBox{184 + 8 + 6, 40 + 17 + 8};

std::wstring Folder() {
    std::wstring exe = wintest::ProgramPath();
    return exe.substr(0, exe.find_last_of(L'\\') + 1);
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void RemoveLogFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Folder() + L"log"), ignored);
}

std::vector<std::filesystem::path> Logs() {
    std::vector<std::filesystem::path> logs;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(Folder() + L"log", ignored))
        if (entry.path().extension() == L".log") logs.push_back(entry.path());
    return logs;
}

bool AutoStartEntryExists() {
    return RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, wintest::ProgramPath().c_str(), RRF_RT_REG_SZ,
                        nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The texts of every child window of TOP.
std::set<std::wstring> ChildTexts(HWND top) {
    std::set<std::wstring> texts;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM param) {
            wchar_t text[256];
            int n = GetWindowTextW(child, text, 256);
            reinterpret_cast<std::set<std::wstring>*>(param)->insert(std::wstring(text, n));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND ChildOfClass(HWND top, const wchar_t* className) {
    struct Search {
        const wchar_t* name;
        HWND found = nullptr;
    } search{className};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM param) {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t cls[64];
            GetClassNameW(child, cls, 64);
            if (lstrcmpiW(cls, s->name) != 0) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The options window of the process that owns MAIN (hidden or not).
HWND OptionsWindow(HWND main) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, nullptr, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        wchar_t title[128];
        GetWindowTextW(w, title, 128);
        if (owner == pid && w != main &&
            std::wstring(title).find(L"Skarvel") != std::wstring::npos &&
            ChildOfClass(w, L"COMBOBOX"))
            return w;
    }
    return nullptr;
}

// Opens the options window from the main window's button; null when it does not show.
HWND OpenOptions(HWND main) {
    ClickAt(main, kMechanicalOptions);
    HWND options = nullptr;
    const bool shown = WaitFor(
        [&] {
            options = OptionsWindow(main);
            return options && IsWindowVisible(options);
        },
        "the options window to show");
    return shown ? options : nullptr;
}

// A real double-click on the entry NAME of the options window's language list.
::testing::AssertionResult DoubleClickLanguage(HWND options, const wchar_t* name) {
    HWND languages = ChildOfClass(options, L"LISTBOX");
    if (!languages) return ::testing::AssertionFailure() << "no language list";
    LRESULT index = wintest::Ask(languages, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(name));
    if (index == LB_ERR) return ::testing::AssertionFailure() << "no such language file listed";
    RECT item{};
    wintest::Ask(languages, LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    MapWindowPoints(languages, options, &at, 1);
    ClickAt(options, at, true);
    return ::testing::AssertionSuccess();
}

struct OptionsEndToEnd : ::testing::Test {
    std::optional<std::wstring> savedAuto = wintest::ReadAuto();
    const std::wstring ini = Folder() + L"Mordaun.ini";
    // The Russian text of the recycle-bin box, as the shipped file has it.
    std::wstring russianTrash;

    OptionsEndToEnd() {
        DeleteFileW(ini.c_str());
        RemoveLogFolder();
        wchar_t text[128] = {};
        GetPrivateProfileStringW(L"MainForm", L"Trash", L"", text, 128,
                                 (Folder() + L"Language\\Russian.MordaunLang").c_str());
        russianTrash = text;
    }
    ~OptionsEndToEnd() override {
        DeleteFileW(ini.c_str());
        RemoveLogFolder();
        wintest::WriteAuto(savedAuto);
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, wintest::ProgramPath().c_str());
            RegCloseKey(key);
        }
    }
};

TEST_F(OptionsEndToEnd, StoredOptionsLanguageAndLogSurviveTheProgramsRuns) {
    ASSERT_FALSE(russianTrash.empty());
    {
        std::ofstream(std::filesystem::path(ini), std::ios::binary)
            << "[color]\r\n1=12\r\n[view]\r\nradio=2\r\n[tray]\r\nChecked=true\r\n[Log]\r\nALL="
               "true\r\n";
    }
    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        HWND main = program.Main();

        // The list shows large icons; the panels' surround is blue; the icon is in the tray
        // (Wine shows its own tray window once an icon is there).
        HWND list = ChildOfClass(main, L"SysListView32");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC dc = GetDC(main);
        COLORREF surround = GetPixel(dc, 1, 300);
        ReleaseDC(main, dc);
        EXPECT_EQ(surround, RGB(0, 0, 255));
        if (wintest::UnderWine()) {
            HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
            EXPECT_TRUE(tray && IsWindowVisible(tray));
        }

        // A run, for the log.
        const std::optional<std::wstring> before = wintest::ReadAuto();
        wintest::WriteAuto(L"1");
        ClickAt(main, kBegin);
        EXPECT_TRUE(WaitFor([] { return wintest::ReadAuto() == std::wstring(L"0"); },
                            "the run's debugger value"));
        wintest::WriteAuto(before);

        // The options window; a real double-click on the Russian entry of its language list.
        HWND options = OpenOptions(main);
        ASSERT_NE(options, nullptr);
        ASSERT_TRUE(DoubleClickLanguage(options, L"Russian.MordaunLang"));
        EXPECT_TRUE(WaitFor([&] { return ChildTexts(main).count(russianTrash) == 1; },
                            "the main window in Russian"));

        // The auto-start box writes its entry and takes it away again.
        ClickAt(options, kAutoStartBox);
        EXPECT_TRUE(WaitFor(AutoStartEntryExists, "the auto-start entry"));
        ClickAt(options, kAutoStartBox);
        EXPECT_TRUE(WaitFor([] { return !AutoStartEntryExists(); }, "the auto-start entry to go"));

        PostMessageW(options, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; },
                            "the main window to take clicks again"));
        EXPECT_EQ(program.Close(), 0u);
    }
    std::string settings = ReadAll(ini);
    for (const char* kept :
         {"[tray]\r\nChecked=true\r\n", "[color]\r\n1=12\r\n", "[view]\r\nradio=2\r\n",
          "[AutoRun]\r\n1=false\r\n", "[Sound]\r\nALL=true\r\n",
          "[Log]\r\nALL=true\r\nAuto_Clear=false\r\n", "Russian.MordaunLang\r\n"})
        EXPECT_NE(settings.find(kept), std::string::npos) << kept << " in\n" << settings;

    std::vector<std::filesystem::path> logs = Logs();
    ASSERT_EQ(logs.size(), 1u);
    std::string log = ReadAll(logs[0].wstring());
    // "Cut off Dr. Watson (Отключить Dr. Watson)" in Windows-1251, every line ending in CR LF.
    EXPECT_NE(log.find("Cut off Dr. Watson (\xCE\xF2\xEA\xEB\xFE\xF7\xE8\xF2\xFC Dr. Watson)\r\n"),
              std::string::npos);
    EXPECT_EQ(log.find("\n"), log.find("\r\n") + 1);
    EXPECT_NE(log.find("Name User:   "), std::string::npos);

    // The next run starts in Russian.
    wintest::RunningProgram again;
    ASSERT_NE(again.Main(), nullptr);
    EXPECT_TRUE(WaitFor([&] { return ChildTexts(again.Main()).count(russianTrash) == 1; },
                        "the next run's main window in Russian"));
    EXPECT_EQ(again.Close(), 0u);
}

// A copy of the program in a folder named in Cyrillic and Chinese, as under such a user name.
struct UnicodeFolder : ::testing::Test {
    wintest::ProgramCopy copy{L"skarvel-\u0422\u0435\u0441\u0442 \u65E5\u672C"};
    const std::filesystem::path ini = copy.Settings();
    const std::wstring german = copy.Language(L"German");
    std::wstring germanTrash;

    UnicodeFolder() {
        wchar_t text[128] = {};
        GetPrivateProfileStringW(L"MainForm", L"Trash", L"", text, 128, german.c_str());
        germanTrash = text;
    }
    std::wstring Exe() const { return copy.Exe(); }
    std::wstring Stored(const wchar_t* section, const wchar_t* key) const {
        wchar_t text[512] = {};
        GetPrivateProfileStringW(section, key, L"<none>", text, 512, ini.c_str());
        return text;
    }
    // Chooses German in the options window of PROGRAM and closes that window; AFTER runs
    // while the window is still open.
    void ChooseGerman(
        const wintest::RunningProgram& program, const std::function<void()>& after = [] {}) {
        HWND main = program.Main();
        HWND options = OpenOptions(main);
        ASSERT_NE(options, nullptr);
        ASSERT_TRUE(DoubleClickLanguage(options, L"German.MordaunLang"));
        EXPECT_TRUE(WaitFor([&] { return ChildTexts(main).count(germanTrash) == 1; },
                            "the main window in German"));
        // The double-click's handler has returned (and written the file) once this is answered.
        wintest::Ask(options, WM_NULL);
        after();
        PostMessageW(options, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; },
                            "the main window to take clicks again"));
    }
};

TEST_F(UnicodeFolder, TheChosenLanguageIsStoredInUnicodeAndAppliedAgainAtTheNextStart) {
    ASSERT_FALSE(germanTrash.empty());
    {
        wintest::RunningProgram program(Exe());
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        ChooseGerman(program);
        EXPECT_EQ(program.Close(), 0u);
    }
    EXPECT_EQ(ReadAll(ini.wstring()).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(Stored(L"Laguage", L"LangResultFile"), german);

    wintest::RunningProgram again(Exe());
    ASSERT_NE(again.Main(), nullptr);
    EXPECT_TRUE(WaitFor([&] { return ChildTexts(again.Main()).count(germanTrash) == 1; },
                        "the next run's main window in German"));
    EXPECT_EQ(again.Close(), 0u);
}

// An earlier version's file, in the ANSI code page: read as it is, left alone by a start, and
// converted, every line kept, when the path it cannot hold is written.
TEST_F(UnicodeFolder, AnEarlierAnsiFileIsConvertedOnlyWhenThePathIsWritten) {
    const std::string ansi = "; caf\xE9\r\n[view]\r\nradio=2\r\n[Custom]\r\nx=caf\xE9\r\n";
    wchar_t cafe[8] = {};
    MultiByteToWideChar(CP_ACP, 0, "caf\xE9", 4, cafe, 8);
    std::ofstream(ini, std::ios::binary) << ansi;

    wintest::RunningProgram program(Exe());
    ASSERT_NE(program.Main(), nullptr) << "main window not found";
    HWND list = ChildOfClass(program.Main(), L"SysListView32");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_ICON) << "[view] not read";
    EXPECT_EQ(ReadAll(ini.wstring()), ansi) << "a start changed the file";

    ChooseGerman(program, [&] {
        const std::string bytes = ReadAll(ini.wstring());
        ASSERT_TRUE(bytes.starts_with("\xFF\xFE")) << "the settings file not in Unicode";
        const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                                (bytes.size() - 2) / 2);
        EXPECT_EQ(text.rfind(std::wstring(L"; ") + cafe + L"\r\n", 0), 0u) << "comment lost";
        EXPECT_EQ(Stored(L"view", L"radio"), L"2");
        EXPECT_EQ(Stored(L"Custom", L"x"), cafe);
        EXPECT_EQ(Stored(L"Laguage", L"LangResultFile"), german);
    });
    EXPECT_EQ(program.Close(), 0u);
    EXPECT_EQ(Stored(L"Custom", L"x"), cafe);
    EXPECT_EQ(Stored(L"Laguage", L"LangResultFile"), german);
}

}  // namespace
