#pragma once
// What the Windows tests of skarvel-cli.exe share: running it with its output captured, and
// the files, environment and Linux-side commands they prepare its runs with.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/support/capture.h"
#include "win/support/linux_side.h"
#include "win/support/running_program.h"

namespace wintest::cli {

inline std::wstring CliPath() {
    std::wstring exe = wintest::ProgramPath();
    return exe.substr(0, exe.size() - std::wstring(L"skarvel.exe").size()) + L"skarvel-cli.exe";
}

inline wintest::Captured Cli(const std::wstring& arguments, DWORD milliseconds = 60000) {
    return wintest::RunAndCapture(L"\"" + CliPath() + L"\" " + arguments, milliseconds);
}

inline void Write(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(wintest::WideOf(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Sets (or, with an empty value, removes) an environment variable of this process, which the
// programs it starts inherit, until destroyed.
class EnvironmentChange {
  public:
    EnvironmentChange(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t old[32768];
        const DWORD n = GetEnvironmentVariableW(name, old, 32768);
        had_ = n > 0 && n < 32768;
        if (had_) old_.assign(old, n);
        SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
    }
    ~EnvironmentChange() { SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }

  private:
    const wchar_t* name_;
    bool had_ = false;
    std::wstring old_;
};

// Runs the shell command SCRIPT on the Linux side and waits until it is done.
inline bool Linux(const std::string& script, const std::string& marker) {
    DeleteFileA(marker.c_str());
    wintest::RunLinux(L"Z:\\bin\\sh -c \"" + wintest::WideOf(script) + L" && touch '" +
                      wintest::WideOf(wintest::UnixPath(marker)) + L"'\"");
    const bool done = wintest::WaitFor(marker, true);
    DeleteFileA(marker.c_str());
    return done;
}

inline std::string ReadAll(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileW(wintest::WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline std::string Profile() {
    char profile[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(profile, n) : std::string();
}

// The "paths" list of a JSON result.
inline std::string PathsOf(const std::string& json) {
    std::size_t start = json.find("\"paths\": [");
    return start == std::string::npos ? "" : json.substr(start, json.find(']', start) - start);
}

}  // namespace wintest::cli
