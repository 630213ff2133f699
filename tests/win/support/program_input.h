#pragma once
// Working a running program from outside as a user would: clicks posted to the window under a
// point, waiting for an effect, and the debugger value a cleaning run writes (saved and put
// back around the tests that press "Begin").

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace wintest {

// Polls DONE every 50 ms until it holds, for at most MILLISECONDS; a failure says what WHAT
// was waited for and how long.
inline ::testing::AssertionResult WaitFor(const std::function<bool()>& done,
                                          const std::string& what, int milliseconds = 20000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (done()) return ::testing::AssertionSuccess();
        Sleep(50);
    }
    if (done()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "timed out after " << milliseconds << " ms waiting for " << what;
}

// Sends MESSAGE to WINDOW (of the program under test) and returns the answer. A window that
// does not answer within 10 s fails the test, naming the message, and gives -1.
inline LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &answer)) {
        ADD_FAILURE() << "no answer within 10 s to message 0x" << std::hex << message;
        return -1;
    }
    return static_cast<LRESULT>(answer);
}

// The deepest visible child window of TOP at POINT (client coordinates of TOP), with POINT
// turned into that window's client coordinates.
inline HWND WindowAt(HWND top, POINT& point) {
    HWND target = top;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target) return target;
        MapWindowPoints(target, child, &point, 1);
        target = child;
    }
}

// A left click (or, with DOUBLE, a double-click) at POINT of TOP's client area, posted to the
// deepest visible child window there, as a user's click arrives.
inline void ClickAt(HWND top, POINT point, bool twice = false) {
    HWND target = WindowAt(top, point);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageW(target, WM_MOUSEMOVE, 0, at);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    PostMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
}

// The window of WINDOW's thread that has the keyboard focus, or null.
inline HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// Presses KEY in the program that WINDOW (one of its top-level windows) belongs to, as the
// keyboard does: WINDOW is brought to the front first (keys reach only the program in front,
// and a program behind cannot move its focus). A plain key is posted to the window with the
// keyboard focus; a key with the modifier keys MODS held (VK_CONTROL, VK_SHIFT) is real input,
// so the modifiers are down as the program reads them.
inline void PressKey(HWND window, WORD key, std::initializer_list<WORD> mods = {}) {
    EXPECT_TRUE(WaitFor(
        [window] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        "the program's window in front", 5000));
    if (mods.size() == 0) {
        HWND focus = FocusOf(window);
        if (!focus) focus = window;
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        return;
    }
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD mod : mods) add(mod, false);
    add(key, false);
    add(key, true);
    for (auto mod = mods.end(); mod != mods.begin();) add(*--mod, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Presses KEY (with MODS, see PressKey) until DONE holds: another program's window may come to
// the front between the check and the press, and the key then goes there or moves nothing.
// At most three presses, DONE waited for 5 s after each.
inline ::testing::AssertionResult PressKeyUntil(HWND window, WORD key,
                                                std::initializer_list<WORD> mods,
                                                const std::function<bool()>& done,
                                                const std::string& what) {
    for (int press = 0; press < 3; ++press) {
        PressKey(window, key, mods);
        if (WaitFor(done, what, 5000)) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no " << what << " after three presses";
}

// Presses Tab in WINDOW until the focus is on a window whose text is TEXT (or, with CLASS_NAME,
// a window of that class), each press waited for (a press lost to another window in front is
// made up by the next).
inline ::testing::AssertionResult TabTo(HWND window, const std::wstring& text,
                                        const wchar_t* className = nullptr) {
    auto matches = [&](HWND focus) {
        wchar_t found[256] = {};
        if (className) {
            GetClassNameW(focus, found, 256);
            return lstrcmpiW(found, className) == 0;
        }
        GetWindowTextW(focus, found, 256);
        return text == found;
    };
    for (int presses = 0; presses < 100; ++presses) {
        const HWND focus = FocusOf(window);
        if (focus && matches(focus)) return ::testing::AssertionSuccess();
        PressKey(window, VK_TAB);
        (void)WaitFor([&] { return FocusOf(window) != focus; }, "the focus to move", 5000);
    }
    return ::testing::AssertionFailure() << "Tab never reached the control";
}

// The Dr. Watson auto-start value every cleaning run writes.
constexpr wchar_t kAeDebug[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

inline std::optional<std::wstring> ReadAuto() {
    wchar_t data[64] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kAeDebug, L"Auto", RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

inline void WriteAuto(const std::optional<std::wstring>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAeDebug, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (value) {
        RegSetValueExW(key, L"Auto", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(key, L"Auto");
    }
    RegCloseKey(key);
}

}  // namespace wintest
