#pragma once
// Starts the built skarvel.exe for an end-to-end test, finds its main window, and on
// destruction closes it as a user would and waits for the process to end.

#include <windows.h>

#include <string>
#include <vector>

#include "win/support/environment_folder.h"

namespace wintest {

// The built program, in the "bin" folder of the build folder the environment names.
inline std::wstring ProgramPath() {
    const std::wstring dir = EnvironmentFolder(L"SKARVEL_BINARY_DIR");
    return dir.empty() ? L"skarvel.exe" : dir + L"\\bin\\skarvel.exe";
}

class RunningProgram {
  public:
    explicit RunningProgram(const std::wstring& exe = ProgramPath()) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &si, &pi_) != 0;
        for (int i = 0; started_ && i < 300 && !main_; ++i) {
            Sleep(100);
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(this));
        }
    }
    ~RunningProgram() {
        if (!started_) return;
        if (exitCode_ == kStillRunning) (void)Close();
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return started_; }
    // The visible top-level window of the process whose caption ends with the product name.
    HWND Main() const { return main_; }
    DWORD ProcessId() const { return pi_.dwProcessId; }

    // The process's top-level windows, shown or not.
    std::vector<HWND> TopLevelWindows() const {
        struct Search {
            DWORD pid;
            std::vector<HWND> found;
        } search{pi_.dwProcessId, {}};
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                if (pid == s->pid) s->found.push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The process's top-level window captioned CAPTION (shown or not), or null.
    HWND Window(const std::wstring& caption) const {
        for (HWND hwnd : TopLevelWindows()) {
            wchar_t title[256];
            int n = GetWindowTextW(hwnd, title, 256);
            if (caption == std::wstring(title, static_cast<size_t>(n))) return hwnd;
        }
        return nullptr;
    }
    bool Running() const {
        return started_ && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
    }
    // Waits up to MILLISECONDS for the process to end by itself; its exit code, or
    // kStillRunning when it is still running then.
    DWORD WaitForExit(DWORD milliseconds) {
        if (!started_ || WaitForSingleObject(pi_.hProcess, milliseconds) != WAIT_OBJECT_0)
            return kStillRunning;
        GetExitCodeProcess(pi_.hProcess, &exitCode_);
        return exitCode_;
    }

    // Closes the main window and waits for the process; returns its exit code, or
    // kStillRunning when it did not end within 20 s (it is then terminated).
    DWORD Close() {
        if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 20000) != WAIT_OBJECT_0) {
            TerminateProcess(pi_.hProcess, 1);
            WaitForSingleObject(pi_.hProcess, 5000);
            return kStillRunning;
        }
        GetExitCodeProcess(pi_.hProcess, &exitCode_);
        return exitCode_;
    }

    static constexpr DWORD kStillRunning = STILL_ACTIVE;

  private:
    static BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param) {
        auto* self = reinterpret_cast<RunningProgram*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != self->pi_.dwProcessId || !IsWindowVisible(hwnd)) return TRUE;
        wchar_t title[256];
        const std::wstring t(title, static_cast<size_t>(GetWindowTextW(hwnd, title, 256)));
        const std::wstring suffix = L"Skarvel 1.0.7.977";
        if (t.size() >= suffix.size() &&
            t.compare(t.size() - suffix.size(), suffix.size(), suffix) == 0) {
            self->main_ = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    bool started_ = false;
    PROCESS_INFORMATION pi_{};
    HWND main_ = nullptr;
    DWORD exitCode_ = kStillRunning;
};

}  // namespace wintest
