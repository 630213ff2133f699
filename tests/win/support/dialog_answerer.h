#pragma once
// Answers a modal dialog that the test's own thread shows (the call that shows it returns only
// when the dialog closes), from another thread, as a user would: from what the dialog shows,
// never from guessed timing. Every 50 ms FIND looks for the dialog and, while it is shown,
// ANSWER acts on it (it may be called again until the dialog is gone, so it must not mind).
// At the deadline a dialog still shown is cancelled, and Failure() says what was waited for.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace wintest {

class DialogAnswerer {
  public:
    DialogAnswerer(std::string what, std::function<HWND()> find, std::function<void(HWND)> answer,
                   std::chrono::milliseconds deadline = std::chrono::seconds(60))
        : what_(std::move(what)),
          find_(std::move(find)),
          answer_(std::move(answer)),
          deadline_(deadline),
          thread_([this] { Run(); }) {}
    ~DialogAnswerer() { Stop(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Once the call that showed the dialog has returned: empty when the dialog was answered in
    // time, else what was waited for.
    std::string Failure() {
        Stop();
        return timedOut_ ? "timed out after " + std::to_string(deadline_.count()) +
                               " ms waiting for " + what_
                         : std::string();
    }

  private:
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    void Run() {
        const auto end = std::chrono::steady_clock::now() + deadline_;
        while (!stop_) {
            if (HWND dialog = find_()) {
                if (std::chrono::steady_clock::now() < end) {
                    answer_(dialog);
                } else {
                    timedOut_ = true;
                    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                }
            }
            Sleep(50);
        }
    }

    std::string what_;
    std::function<HWND()> find_;
    std::function<void(HWND)> answer_;
    std::chrono::milliseconds deadline_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> timedOut_{false};
    std::thread thread_;  // last: it runs on everything above
};

// The shown dialog (of the system's dialog class) of thread THREAD, or null.
inline HWND ShownDialogOfThread(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM param) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(hwnd, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
            *reinterpret_cast<HWND*>(param) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace wintest
