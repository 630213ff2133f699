// Starts the real skarvel.exe, finds its main window, checks its client size, closes it and
// sees the process end cleanly.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// The built program, from the build folder CTest passes in (a Unix path, reached through Z:).
std::wstring ProgramPath() {
    const char* dir = std::getenv("SKARVEL_BINARY_DIR");
    std::string path = dir ? std::string("Z:") + dir + "/bin/skarvel.exe" : "skarvel.exe";
    for (char& ch : path)
        if (ch == '/') ch = '\\';
    return std::wstring(path.begin(), path.end());
}

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t title[256];
    int n = GetWindowTextW(hwnd, title, 256);
    std::wstring t(title, static_cast<size_t>(n));
    const std::wstring suffix = L"Skarvel 1.0.7.977";
    if (t.size() >= suffix.size() && t.compare(t.size() - suffix.size(), suffix.size(), suffix) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST(EndToEnd, MainWindowOpensAt641x504AndClosingEndsTheProcessWithCodeZero) {
    std::wstring exe = ProgramPath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi))
        << "cannot start " << std::string(exe.begin(), exe.end());

    Search search{pi.dwProcessId, nullptr};
    for (int i = 0; i < 300 && !search.found; ++i) {
        Sleep(100);
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr) << "main window not found";

    RECT client{};
    GetClientRect(search.found, &client);
    EXPECT_EQ(client.right - client.left, 641);
    EXPECT_EQ(client.bottom - client.top, 504);

    PostMessageW(search.found, WM_CLOSE, 0, 0);
    DWORD wait = WaitForSingleObject(pi.hProcess, 20000);
    EXPECT_EQ(wait, WAIT_OBJECT_0);
    DWORD code = 1234;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (wait != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace
