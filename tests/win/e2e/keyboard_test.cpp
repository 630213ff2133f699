// The real skarvel.exe worked with the keyboard alone (real key input): every radio option of
// the main and options windows chosen with Tab and the arrow keys, and the choices in force;
// Escape with the colour list dropped closes only the list; a German interface names the keys
// of its hints in German and asks before Ctrl+2 deletes the logs; the help window reopens as
// the user left it.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "win/support/dialog_answerer.h"
#include "win/support/program_copy.h"
#include "win/support/program_input.h"
#include "win/support/remote_window.h"
#include "win/support/running_program.h"

namespace {

using wintest::FocusOf;
using wintest::TabTo;
using wintest::WaitFor;

// The text WINDOW (of another process) gives when asked: its caption, or what a tool tip shows.
std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text;
}

// Whether the keyboard focus is in TOP (a top-level window of the program) or one of its
// controls.
bool KeyboardIn(HWND top) {
    const HWND focus = FocusOf(top);
    return focus && (focus == top || IsChild(top, focus));
}

// The shown top-level window of the program captioned CAPTION, or null.
HWND Shown(const wintest::RunningProgram& program, const std::wstring& caption) {
    HWND window = program.Window(caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

TEST(Keyboard, EveryRadioOptionIsChosenWithTheKeysAndTheChoicesHold) {
    wintest::ProgramCopy copy(L"skarvel-keys");
    const std::optional<std::wstring> savedAuto = wintest::ReadAuto();
    wintest::WriteAuto(L"0");
    {
        wintest::RunningProgram program(copy.Exe());
        HWND main = program.Main();
        ASSERT_NE(main, nullptr) << "main window not found";

        // The pointer away from the file list: with hot tracking, the list takes the keyboard
        // focus when the pointer rests on it.
        SetCursorPos(0, 0);

        // Each pair: Tab to the checked option, Down to the other.
        for (auto [first, second] : {std::pair{L"No Write History", L"Write History"},
                                     {L"No Write Recent", L"Write Recent"},
                                     {L"Cut off Dr. Watson", L"Switch on Dr. Watson"}}) {
            ASSERT_TRUE(TabTo(main, first));
            EXPECT_TRUE(wintest::PressKeyUntil(
                main, VK_DOWN, {}, [&] { return Text(FocusOf(main)) == second; }, "other option"))
                << "from " << first << ", the focus on \"" << Text(FocusOf(main)) << "\"";
        }
        EXPECT_TRUE(wintest::PressKeyUntil(
            main, VK_F5, {}, [] { return wintest::ReadAuto() == std::wstring(L"1"); },
            "run that switches Dr. Watson on"));

        // The options window: Down from "Report" chooses each other view in turn, round the
        // group to "Icon", and the main window's list follows each.
        HWND options = nullptr;
        ASSERT_TRUE(wintest::PressKeyUntil(
            main, 'O', {VK_CONTROL},
            [&] { return (options = Shown(program, L"Mechanical Options Skarvel")) != nullptr; },
            "options window"));
        ASSERT_TRUE(TabTo(options, L"Report"));
        HWND list = wintest::FindChildOfClass(main, L"SysListView32");
        ASSERT_NE(list, nullptr);
        for (auto [option, style] :
             {std::pair{L"Small icon", LVS_SMALLICON}, {L"List", LVS_LIST}, {L"Icon", LVS_ICON}}) {
            EXPECT_TRUE(wintest::PressKeyUntil(
                options, VK_DOWN, {},
                [&] {
                    return Text(FocusOf(options)) == option &&
                           (GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK) == style;
                },
                "the main window's list in the view chosen"))
                << option;
        }

        // Escape closes the dropped colour list first, then the window.
        ASSERT_TRUE(TabTo(options, L"", L"COMBOBOX"));
        HWND colors = FocusOf(options);
        ASSERT_TRUE(wintest::PressKeyUntil(
            options, VK_F4, {}, [&] { return wintest::Ask(colors, CB_GETDROPPEDSTATE) == TRUE; },
            "colour list dropped"));
        EXPECT_TRUE(wintest::PressKeyUntil(
            options, VK_ESCAPE, {},
            [&] { return wintest::Ask(colors, CB_GETDROPPEDSTATE) == FALSE; },
            "colour list closed"));
        wintest::Ask(options, WM_NULL);  // the key fully handled
        EXPECT_TRUE(IsWindowVisible(options)) << "Escape closed the window with the list";
        EXPECT_TRUE(wintest::PressKeyUntil(
            options, VK_ESCAPE, {}, [&] { return !IsWindowVisible(options); }, "window closed"));
        EXPECT_EQ(program.Close(), 0u);
    }
    wintest::WriteAuto(savedAuto);
    wchar_t view[16] = {};
    GetPrivateProfileStringW(L"view", L"radio", L"", view, 16, copy.Settings().c_str());
    EXPECT_STREQ(view, L"2") << "the view chosen is stored at exit";
}

TEST(Keyboard, AGermanInterfaceNamesItsKeysAndAsksBeforeCtrl2DeletesTheLogs) {
    wintest::ProgramCopy copy(L"skarvel-keys-de");
    WritePrivateProfileStringW(L"Laguage", L"LangResultFile", copy.Language(L"German").c_str(),
                               copy.Settings().c_str());
    std::filesystem::create_directories(copy.Folder() / L"log");
    for (const wchar_t* name : {L"a.log", L"b.log"})
        std::ofstream(copy.Folder() / L"log" / name) << "log\r\n";
    auto logs = [&] { return std::filesystem::exists(copy.Folder() / L"log" / L"a.log"); };

    wintest::RunningProgram program(copy.Exe());
    HWND main = program.Main();
    ASSERT_NE(main, nullptr) << "main window not found";

    // The hint of "All" in its tool tip, the pointer over the button (the window at the
    // screen's corner, where no other test's window lies).
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    POINT all{6 + 10, 40 + 418 + 10};
    POINT screen = all;
    ClientToScreen(main, &screen);
    SetCursorPos(screen.x, screen.y);
    const HWND panel = wintest::WindowAt(main, all);  // ALL now in the panel's coordinates
    PostMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(all.x, all.y));
    HWND tip = nullptr;
    EXPECT_TRUE(WaitFor(
        [&] {
            for (HWND w : program.TopLevelWindows()) {
                wchar_t cls[64] = {};
                GetClassNameW(w, cls, 64);
                if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(w)) tip = w;
            }
            return tip && !Text(tip).empty();
        },
        "the tool tip of \"All\""));
    if (tip) {
        EXPECT_EQ(Text(tip), L"Alle ausw\u00E4hlen (Strg+A)");
    }

    // Ctrl+2 in the log manager asks; No keeps the logs, Yes deletes them.
    HWND logManager = nullptr;
    ASSERT_TRUE(wintest::PressKeyUntil(
        main, 'L', {VK_CONTROL},
        [&] { return (logManager = Shown(program, L"Protokollverwaltung Skarvel")) != nullptr; },
        "log manager"));
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    for (const int answer : {IDNO, IDYES}) {
        HWND question = nullptr;
        ASSERT_TRUE(wintest::PressKeyUntil(
            logManager, '2', {VK_CONTROL},
            [&] { return (question = wintest::ShownDialogOfThread(thread)) != nullptr; },
            "question before deleting"));
        EXPECT_TRUE(logs()) << "deleted before the answer";
        PostMessageW(question, WM_COMMAND, answer, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(question) || !IsWindowVisible(question); },
                            "the question to close"));
        EXPECT_TRUE(WaitFor([&] { return logs() == (answer == IDNO); },
                            answer == IDNO ? "the logs kept" : "the logs deleted"));
        ASSERT_TRUE(WaitFor([&] { return KeyboardIn(logManager); },
                            "the keyboard back in the log manager"));
    }
    ASSERT_TRUE(wintest::PressKeyUntil(
        logManager, VK_ESCAPE, {}, [&] { return !IsWindowVisible(logManager); },
        "log manager closed"));
    ASSERT_TRUE(WaitFor([&] { return KeyboardIn(main); }, "the keyboard back in the main window"));

    // The help window opens maximised; restored and closed, it opens restored again.
    HWND help = nullptr;
    ASSERT_TRUE(wintest::PressKeyUntil(
        main, VK_F1, {}, [&] { return (help = Shown(program, L"Help Skarvel")) != nullptr; },
        "help"));
    EXPECT_TRUE(IsZoomed(help));
    PostMessageW(help, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(help); }, "help restored"));
    ASSERT_TRUE(wintest::PressKeyUntil(
        help, VK_ESCAPE, {}, [&] { return !IsWindowVisible(help); }, "help closed"));
    ASSERT_TRUE(WaitFor([&] { return KeyboardIn(main); }, "the keyboard back in the main window"));
    ASSERT_TRUE(wintest::PressKeyUntil(
        main, VK_F1, {}, [&] { return IsWindowVisible(help) != FALSE; }, "help again"));
    EXPECT_FALSE(IsZoomed(help)) << "the help window forgot it was restored";
    EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
