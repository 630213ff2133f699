// The real skarvel.exe with cleaner definitions and the keep list: a definitions file chosen in
// the system's open dialog shows its entries as boxes; ticking one with a warning shows the
// warning and asks; "Begin" cleans what the ticked entries name, and after a restart the boxes
// are still ticked. The keep list's window shows keep.txt, adds a typed pattern and removes
// one, and keep.txt then says what the window showed.

#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "win/support/dialog_answerer.h"
#include "win/support/program_input.h"
#include "win/support/remote_window.h"
#include "win/support/running_program.h"
#include "win/support/settings_text.h"

namespace {

namespace fs = std::filesystem;
using wintest::ClickAt;
using wintest::WaitFor;

// Client points of the main window: the right panel at (200, 40), "Cleaner definitions" and
// "Keep List" (45 x 21) at (384, 171) and (384, 195), "Begin" (48 x 35) at (382, 404).
constexpr POINT kDefinitions{200 + 384 + 22, 40 + 171 + 10};
constexpr POINT kKeepList{200 + 384 + 22, 40 + 195 + 10};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};
// In the keep list's window: the panel at (0, 40); the list at (5, 32) with 16-pixel items,
// "Add the pattern" and "Remove" (49 x 21) at (584, 52) and (584, 76).
constexpr POINT kFirstPattern{5 + 20, 40 + 32 + 8};
constexpr POINT kAddPattern{584 + 24, 40 + 52 + 10};
constexpr POINT kRemovePattern{584 + 24, 40 + 76 + 10};

fs::path Folder(const wchar_t* variable) {
    wchar_t value[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(variable, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? fs::path(std::wstring(value, n)) : fs::path();
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The descendant of TOP whose text is TEXT, or null.
HWND ChildWithText(HWND top, const std::wstring& text) {
    struct Search {
        const std::wstring& text;
        HWND found;
    } search{text, nullptr};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (wintest::WindowText(child) != s.text) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every text a dialog shows, one after the other.
std::wstring TextsOf(HWND dialog) {
    std::wstring texts;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            *reinterpret_cast<std::wstring*>(param) += wintest::WindowText(child) + L"\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void ClickBox(HWND box) {
    PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
}

constexpr char kWindowDefinitions[] =
    "[Skarvel Window Cache *]\r\n"
    "DetectFile=%LocalAppData%\\SkarvelW2Window\r\n"
    "FileKey1=%LocalAppData%\\SkarvelW2Window\\Cache|*.*\r\n"
    "\r\n"
    "[Skarvel Window Sessions *]\r\n"
    "Warning=This deletes the window's sessions.\r\n"
    "DetectFile=%LocalAppData%\\SkarvelW2Window\r\n"
    "FileKey1=%LocalAppData%\\SkarvelW2Window\\Sessions|*.*\r\n";

class ProgramState : public ::testing::Test {
  protected:
    fs::path settings_ = fs::path(wintest::ProgramPath()).parent_path() / "mordaun.ini";
    std::optional<std::wstring> savedAuto_ = wintest::ReadAuto();

    void SetUp() override { ForgetDefinitions(); }
    void TearDown() override {
        ForgetDefinitions();
        wintest::WriteAuto(savedAuto_);
    }
    void ForgetDefinitions() {
        WritePrivateProfileStringW(L"Definitions", nullptr, nullptr, settings_.c_str());
    }
};

using DefinitionsWindow = ProgramState;

TEST_F(DefinitionsWindow, ChosenTickedRunAndRememberedAfterARestart) {
    const fs::path local = Folder(L"LOCALAPPDATA");
    ASSERT_FALSE(local.empty());
    const fs::path ours = local / "SkarvelW2Window";
    const fs::path definitions = local / "skarvel-w2-window.ini";
    std::error_code ignored;
    fs::remove_all(ours, ignored);
    Write(definitions, kWindowDefinitions);
    Write(ours / "Cache" / "c.tmp", "cache");
    Write(ours / "Sessions" / "s.dat", "session");
    Write(ours / "kept.dat", "mine");
    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        auto dialog = [&] {
            return wintest::FindProcessWindow(program.ProcessId(), L"", L"#32770");
        };
        HWND cache = nullptr, sessions = nullptr;
        {
            wintest::DialogAnswerer user("the open dialog and its name box", dialog,
                                         [&](HWND shown) {
                                             HWND box = GetDlgItem(shown, cmb13);
                                             if (!box) box = GetDlgItem(shown, edt1);
                                             if (!box) return;
                                             SetWindowTextW(box, definitions.c_str());
                                             PostMessageW(shown, WM_COMMAND, IDOK, 0);
                                         });
            ClickAt(program.Main(), kDefinitions);
            EXPECT_TRUE(WaitFor(
                [&] {
                    cache = ChildWithText(program.Main(), L"Skarvel Window Cache");
                    sessions = ChildWithText(program.Main(), L"Skarvel Window Sessions");
                    return cache && sessions;
                },
                "the definitions' boxes"));
            EXPECT_EQ(user.Failure(), "");
        }
        ASSERT_TRUE(cache && sessions);
        ClickBox(cache);
        std::wstring asked;
        {
            wintest::DialogAnswerer user("the warning's question", dialog, [&](HWND shown) {
                asked = TextsOf(shown);
                PostMessageW(shown, WM_COMMAND, IDYES, 0);
            });
            ClickBox(sessions);
            EXPECT_TRUE(WaitFor([&] { return !asked.empty(); }, "the warning's question"));
            EXPECT_TRUE(WaitFor([&] { return !dialog(); }, "the question to close"));
            EXPECT_EQ(user.Failure(), "");
        }
        EXPECT_NE(asked.find(L"This deletes the window's sessions."), std::wstring::npos);
        ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(WaitFor(
            [&] {
                return !fs::exists(ours / "Cache" / "c.tmp") &&
                       !fs::exists(ours / "Sessions" / "s.dat");
            },
            "the run to clean the ticked entries"));
    }
    EXPECT_TRUE(fs::exists(ours / "kept.dat"));
    const std::string text = wintest::SettingsText(settings_);
    EXPECT_NE(text.find("[Definitions]"), std::string::npos) << text;
    EXPECT_NE(text.find("w2-skarvel-window-cache"), std::string::npos) << text;

    // Restarted: the file is there again and its boxes ticked; "Begin" alone cleans them.
    Write(ours / "Cache" / "c.tmp", "cache");
    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        EXPECT_TRUE(WaitFor([&] { return ChildWithText(program.Main(), L"Skarvel Window Cache"); },
                            "the definitions' boxes after the restart"));
        ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(WaitFor([&] { return !fs::exists(ours / "Cache" / "c.tmp"); },
                            "the run to clean the remembered entry"));
    }
    fs::remove_all(ours, ignored);
    fs::remove(definitions, ignored);
}

using KeepListWindow = ProgramState;

TEST_F(KeepListWindow, ShowsAddsAndRemovesWhatKeepTxtHolds) {
    const fs::path keepFile = Folder(L"APPDATA") / "Skarvel" / "keep.txt";
    std::error_code ignored;
    const bool had = fs::exists(keepFile);
    const std::string saved = had ? Read(keepFile) : "";
    Write(keepFile, "# mine\r\nC:\\skarvel-keep-window\\old.txt\r\n%TEMP%\\project.lock\r\n");
    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        ClickAt(program.Main(), kKeepList);
        HWND window = nullptr, list = nullptr, memo = nullptr;
        ASSERT_TRUE(WaitFor(
            [&] {
                window = wintest::FindProcessWindow(program.ProcessId(), L"Keep List Skarvel");
                return window != nullptr;
            },
            "the keep list's window"));
        ASSERT_TRUE(WaitFor(
            [&] {
                list = wintest::FindChildOfClass(window, L"ListBox");
                memo = wintest::FindChildOfClass(window, L"Edit");
                return list && memo && wintest::Ask(list, LB_GETCOUNT) == 2;
            },
            "the list of the two patterns"));
        EXPECT_TRUE(ChildWithText(window, L"The keep list is kept in " + keepFile.wstring()));

        for (const wchar_t typed : std::wstring(L"C:\\skarvel-keep-window\\new"))
            PostMessageW(memo, WM_CHAR, typed, 1);
        EXPECT_TRUE(
            WaitFor([&] { return wintest::WindowText(memo).size() == 26; }, "the pattern typed"));
        ClickAt(window, kAddPattern);
        EXPECT_TRUE(WaitFor([&] { return wintest::Ask(list, LB_GETCOUNT) == 3; },
                            "the typed pattern in the list"));
        ClickAt(window, kFirstPattern);
        EXPECT_TRUE(WaitFor([&] { return wintest::Ask(list, LB_GETCURSEL) == 0; },
                            "the first pattern selected"));
        ClickAt(window, kRemovePattern);
        EXPECT_TRUE(WaitFor([&] { return wintest::Ask(list, LB_GETCOUNT) == 2; },
                            "the first pattern gone from the list"));
    }
    EXPECT_EQ(Read(keepFile), "# mine\r\n%TEMP%\\project.lock\r\nC:\\skarvel-keep-window\\new\r\n");
    if (had)
        Write(keepFile, saved);
    else
        fs::remove(keepFile, ignored);
}

}  // namespace
