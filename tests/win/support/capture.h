#pragma once
// Runs a program with its output and error streams captured, and waits for its exit code, for
// a bounded time: a program still running then is ended, and the capture says so.

#include <windows.h>

#include <string>

namespace wintest {

struct Captured {
    std::string output;  // standard output and error together
    DWORD exitCode = static_cast<DWORD>(-1);
    bool timedOut = false;
};

inline Captured RunAndCapture(const std::wstring& commandLine, DWORD milliseconds = 60000) {
    Captured captured;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return captured;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        // Reads what has come, without blocking, until the program has ended and said all.
        const ULONGLONG end = GetTickCount64() + milliseconds;
        auto drain = [&] {
            DWORD available = 0;
            while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) &&
                   available > 0) {
                char buffer[4096];
                DWORD n = 0;
                if (!ReadFile(readEnd, buffer, sizeof(buffer), &n, nullptr) || n == 0) return;
                captured.output.append(buffer, n);
            }
        };
        while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
            drain();
            if (GetTickCount64() > end) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 5000);
                captured.timedOut = true;
                captured.output += "\n[timed out after " + std::to_string(milliseconds) + " ms]";
                break;
            }
        }
        drain();
        GetExitCodeProcess(process.hProcess, &captured.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return captured;
}

}  // namespace wintest
