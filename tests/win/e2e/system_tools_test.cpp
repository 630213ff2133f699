// The real skarvel.exe worked with real clicks on the main window's right-hand column:
// "process Manager" lists this test's own executable, "Type Manager" lists a type registered
// here, "Help" shows the help page as readable text, a launcher whose tool is missing leaves
// the program running and minimised.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

#include "win/support/running_program.h"
#include "win/support/program_input.h"

namespace {

using wintest::ClickAt;
using wintest::RunningProgram;
using wintest::WaitFor;

// The centre of the right-hand column's button at TOP: the panel lies at (200, 40) of the main
// window's client area, the 45 x 21 buttons at left 384 in it.
constexpr POINT ToolButton(int top) {
    return {200 + 384 + 22, 40 + top + 10};
}
constexpr POINT kHelp = ToolButton(3), kProcessManager = ToolButton(75),
                kTypeManager = ToolButton(99), kCleanDisk = ToolButton(299);

std::wstring Lower(std::wstring text) {
    for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towlower(ch));
    return text;
}

// The first descendant of PARENT whose class is one of CLASSES (any case).
HWND ChildOfClass(HWND parent, std::initializer_list<const wchar_t*> classes) {
    struct Search {
        std::vector<std::wstring> classes;
        HWND found = nullptr;
    } search;
    for (const wchar_t* c : classes) search.classes.push_back(Lower(c));
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t name[64];
            int n = GetClassNameW(hwnd, name, 64);
            if (std::find(s->classes.begin(), s->classes.end(),
                          Lower(std::wstring(name, static_cast<size_t>(n)))) == s->classes.end())
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_BLOCK, 5000, &copied);
    text.resize(copied);
    return text;
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    LRESULT count = wintest::Ask(list, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = wintest::Ask(list, LB_GETTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) continue;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        length = wintest::Ask(list, LB_GETTEXT, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(item.data()));
        item.resize(length < 0 ? 0 : static_cast<size_t>(length));
        items.push_back(item);
    }
    return items;
}

// Clicks the main window's BUTTON, waits for the window CAPTION it shows and returns that
// window's first child of one of CLASSES; null when either does not come.
HWND ShownChild(const RunningProgram& program, POINT button, const wchar_t* caption,
                std::initializer_list<const wchar_t*> classes) {
    ClickAt(program.Main(), button);
    HWND window = nullptr;
    EXPECT_TRUE(WaitFor(
        [&] {
            window = program.Window(caption);
            return window && IsWindowVisible(window);
        },
        "its window to show"));
    return window && IsWindowVisible(window) ? ChildOfClass(window, classes) : nullptr;
}

// The program's message boxes: its shown windows of the system's dialog class.
std::vector<HWND> MessageBoxes(const RunningProgram& program) {
    std::vector<HWND> boxes;
    for (HWND hwnd : program.TopLevelWindows()) {
        wchar_t name[16];
        GetClassNameW(hwnd, name, 16);
        if (IsWindowVisible(hwnd) && std::wstring(name) == L"#32770") boxes.push_back(hwnd);
    }
    return boxes;
}

TEST(SystemTools, ProcessManagerListsThisTestsOwnExecutable) {
    wchar_t own[MAX_PATH];
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    RunningProgram program;
    ASSERT_NE(program.Main(), nullptr);
    HWND list = ShownChild(program, kProcessManager, L"Process Manager Skarvel", {L"ListBox"});
    ASSERT_NE(list, nullptr) << "the process manager and its list did not show";
    std::vector<std::wstring> items;
    EXPECT_TRUE(WaitFor(
        [&] {
            items = ListItems(list);
            return std::count_if(items.begin(), items.end(), [&](const std::wstring& item) {
                       return Lower(item) == Lower(own);
                   }) == 1;
        },
        "a single line for this test's own executable"))
        << std::string(own, own + wcslen(own)) << " among " << items.size() << " lines";
    // In the order the system sorts names for the user.
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(),
                               -1, nullptr, nullptr, 0) == CSTR_LESS_THAN;
    }));
}

// Also a type name stored with a NUL and junk after it, as any user can store one: the entry
// names the type before the NUL, and the entries after it are all shown.
TEST(SystemTools, TypeManagerListsTypesRegisteredUnderTheClassesRoot) {
    const std::wstring type = L"SkarvelE2eFile";
    auto setDefault = [](const std::wstring& key, const std::wstring& value) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        // The length given: a NUL inside the text is stored with it.
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    };
    const wchar_t* extensions[] = {L".skarvel-e2e", L".skarvel-e2e-nul", L".skarvel-e2f"};
    setDefault(extensions[0], type);
    setDefault(extensions[1], type + std::wstring(L"\0junk", 5));
    setDefault(extensions[2], type);
    setDefault(type, L"Skarvel test document");
    setDefault(type + L"\\shell\\open\\command", L"notepad.exe \"%1\"");

    {
        RunningProgram program;
        ASSERT_NE(program.Main(), nullptr);
        HWND memo = ShownChild(program, kTypeManager, L"Type Manager Skarvel", {L"Edit"});
        ASSERT_NE(memo, nullptr) << "the type manager and its text did not show";
        auto entry = [](const std::wstring& extension) {
            return L"Extension:  \"" + extension +
                   L"\"\r\n"
                   L"Typename:  \"SkarvelE2eFile\", Displayname:  \"Skarvel test document\"\r\n"
                   L"Server: notepad.exe \"%1\"\r\n\r\n-----------------------------\r\n";
        };
        std::wstring text;
        EXPECT_TRUE(WaitFor(
            [&] {
                text = WindowText(memo);
                return text.find(entry(extensions[2])) != std::wstring::npos;
            },
            "the type manager's text to reach the last test type"));
        for (const wchar_t* extension : extensions)
            EXPECT_NE(text.find(entry(extension)), std::wstring::npos)
                << std::string(extension, extension + wcslen(extension));
    }
    for (const wchar_t* extension : extensions) RegDeleteTreeW(HKEY_CLASSES_ROOT, extension);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, type.c_str());
}

TEST(SystemTools, HelpShowsThePageAsReadableTextWithoutAnError) {
    RunningProgram program;
    ASSERT_NE(program.Main(), nullptr);
    // No HTML engine here: the page shows as formatted text.
    HWND text = ShownChild(program, kHelp, L"Help Skarvel", {L"RICHEDIT50W", L"RichEdit20W"});
    ASSERT_NE(text, nullptr) << "the help window and its text did not show";
    HWND help = GetAncestor(text, GA_ROOT);
    EXPECT_TRUE(IsZoomed(help));
    // Opened maximised, it has the boxes to restore and to minimise it.
    const LONG_PTR style = GetWindowLongPtrW(help, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const std::wstring page = WindowText(text);
    for (const wchar_t* part :
         {L"Программа Skarvel", L"Над программой работали:", L"История версий:",
          L"Skarvel 1.0.7.977", L"Тестовое оборудование:", L"Система:\u00A0 Windows XP"})
        EXPECT_NE(page.find(part), std::wstring::npos) << "missing a part of the page";
    EXPECT_EQ(page.find(L"<"), std::wstring::npos) << "markup shown as text";

    EXPECT_TRUE(MessageBoxes(program).empty());
}

// The disk clean-up tool does not exist here: the start fails (the shell may say so in its own
// message box, which is answered), and the program minimises itself all the same.
TEST(SystemTools, ALauncherWhoseToolIsMissingLeavesTheProgramRunningAndMinimised) {
    RunningProgram program;
    ASSERT_NE(program.Main(), nullptr);
    ClickAt(program.Main(), kCleanDisk);
    EXPECT_TRUE(WaitFor(
        [&] {
            for (HWND box : MessageBoxes(program)) PostMessageW(box, WM_COMMAND, IDOK, 0);
            return IsIconic(program.Main()) != FALSE;
        },
        "the program to minimise itself"));
    EXPECT_TRUE(program.Running());
}

}  // namespace
