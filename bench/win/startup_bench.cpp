// Start-up time: from process start to the first visible top-level window, skarvel.exe against
// a bare Win32 program that registers a class and shows one empty window (this program run
// with --bare), started alternately, ROUNDS rounds each; prints every time, the medians and
// their ratio, and the median of each round's ratio.
//   startup_bench.exe ROUNDS PATH\TO\skarvel.exe
//   startup_bench.exe --bare

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int RunBareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkarvelBenchBare";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(L"SkarvelBenchBare", L"Bare", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

struct Search {
    DWORD pid;
    std::vector<HWND> visible;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd)) search->visible.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    Search search{pid, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.visible;
}

// Milliseconds from the start of COMMAND to its first visible top-level window; -1 when none
// shows within 60 s. The program is then closed as a user would, and ended after 20 s.
double TimeToFirstWindow(std::wstring command) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return -1;
    double elapsed = -1;
    for (;;) {
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (!VisibleWindowsOf(pi.dwProcessId).empty()) {
            elapsed = ms;
            break;
        }
        if (ms > 60000 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    for (HWND hwnd : VisibleWindowsOf(pi.dwProcessId)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "the program did not end within 20 s: ended\n");
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"--bare") == 0) return RunBareWindow();
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_bench ROUNDS PATH\\TO\\skarvel.exe | --bare\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring bare = L"\"" + std::wstring(self) + L"\" --bare";
    const std::wstring program = L"\"" + std::wstring(argv[2]) + L"\"";

    std::vector<double> skarvel, minimal, ratios;
    for (int round = 1; round <= rounds; ++round) {
        const double s = TimeToFirstWindow(program);
        const double b = TimeToFirstWindow(bare);
        if (s < 0 || b < 0) {
            std::fprintf(stderr, "round %d: a program showed no window\n", round);
            return 1;
        }
        skarvel.push_back(s);
        minimal.push_back(b);
        ratios.push_back(s / b);
        std::printf("round %d: skarvel %.0f ms, bare window %.0f ms\n", round, s, b);
    }
    const double ms = Median(skarvel), mb = Median(minimal);
    std::printf("median: skarvel %.0f ms, bare window %.0f ms, ratio %.2f\n", ms, mb, ms / mb);
    // Each round's pair ran back to back: their ratio holds up when the machine's speed drifts.
    std::printf("median of the rounds' ratios: %.2f\n", Median(ratios));
    return 0;
}
