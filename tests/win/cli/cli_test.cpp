// skarvel-cli.exe run for real: its preview counts exactly what its clean then deletes in the
// Windows temp folder, links lead nowhere, a locked file is listed with exit code 1, an unknown
// id gives 2.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/support/capture.h"
#include "win/support/links.h"
#include "win/support/running_program.h"

namespace {

std::wstring CliPath() {
    std::wstring exe = wintest::ProgramPath();
    return exe.substr(0, exe.size() - std::wstring(L"skarvel.exe").size()) + L"skarvel-cli.exe";
}

wintest::Captured Cli(const std::wstring& arguments) {
    return wintest::RunAndCapture(L"\"" + CliPath() + L"\" " + arguments);
}

void Write(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The "paths" list of a JSON result.
std::string PathsOf(const std::string& json) {
    std::size_t start = json.find("\"paths\": [");
    return start == std::string::npos ? "" : json.substr(start, json.find(']', start) - start);
}

TEST(CommandLine, PreviewCountsWhatCleanDeletesAndNothingBehindALink) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string probe = std::string(windows) + "\\temp\\skarvel-cli-probe";
    const std::string outside = std::string(windows).substr(0, 3) + "skarvel-cli-outside";
    CreateDirectoryA(outside.c_str(), nullptr);
    Write(outside + "\\precious.doc", "precious");
    CreateDirectoryA(probe.c_str(), nullptr);
    CreateDirectoryA((probe + "\\sub").c_str(), nullptr);
    Write(probe + "\\a.tmp", "aaaa");
    Write(probe + "\\sub\\b.tmp", "bb");
    Write(probe + "\\locked.tmp", "locked");
    const bool linked = wintest::WhyNoLinks(probe).empty();
    if (linked) {
        ASSERT_TRUE(wintest::MakeLink(outside, probe + "\\dirlink"));
        ASSERT_TRUE(wintest::MakeLink(outside + "\\precious.doc", probe + "\\filelink.doc"));
    }
    HANDLE locked = CreateFileA((probe + "\\locked.tmp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);

    const wintest::Captured preview = Cli(L"--preview temp-windows --json --verbose --quiet");
    const wintest::Captured clean = Cli(L"--clean temp-windows --json --verbose --quiet");
    CloseHandle(locked);

    EXPECT_EQ(preview.exitCode, 1u) << preview.output;
    EXPECT_EQ(clean.exitCode, 1u) << clean.output;
    EXPECT_EQ(PathsOf(preview.output), PathsOf(clean.output));
    EXPECT_NE(PathsOf(clean.output).find("skarvel-cli-probe\\\\sub\\\\b.tmp"), std::string::npos)
        << clean.output;
    EXPECT_NE(clean.output.find("{\"path\": \"" + std::string(windows).replace(2, 1, "\\\\") +
                                "\\\\temp\\\\skarvel-cli-probe\\\\locked.tmp\""),
              std::string::npos)
        << clean.output;
    EXPECT_EQ(PathsOf(clean.output).find("precious"), std::string::npos);
    EXPECT_EQ(GetFileAttributesA((probe + "\\a.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((outside + "\\precious.doc").c_str()), INVALID_FILE_ATTRIBUTES);

    const wintest::Captured unknown = Cli(L"--preview temp-windowz");
    EXPECT_EQ(unknown.exitCode, 2u);
    EXPECT_NE(unknown.output.find("unknown category 'temp-windowz'"), std::string::npos);

    if (linked) {
        wintest::RemoveTree(probe);
        wintest::RemoveTree(outside);
    }
}

}  // namespace
