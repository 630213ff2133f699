// The real skarvel.exe honours keep.txt beside it: a "Begin" with "Temp (User)" ticked empties
// the user's temp folder except what the keep list names, and keeps the folders holding it.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "win/support/program_input.h"
#include "win/support/running_program.h"

namespace {

namespace fs = std::filesystem;

// Client points, from the layouts: the "Temp (User)" box, second row of the first group in
// the scroll box at (6, 4) of the left panel at (0, 40); "Begin" in the right panel.
constexpr POINT kTempUserBox{6 + 28 + 8, 40 + 4 + 6 + 19 + 8};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};

void Write(const fs::path& path, const char* text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Sets an environment variable of this process (inherited by the program) until destroyed.
class Variable {
  public:
    Variable(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t old[MAX_PATH];
        const DWORD n = GetEnvironmentVariableW(name, old, MAX_PATH);
        if (n > 0 && n < MAX_PATH) old_ = std::wstring(old, n);
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~Variable() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

  private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

TEST(KeepListEndToEnd, TheWindowsRunLeavesWhatKeepTxtNames) {
    const std::wstring exe = wintest::ProgramPath();
    const fs::path keepFile = fs::path(exe).parent_path() / "keep.txt";
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const fs::path temp = fs::path(std::wstring(windows).substr(0, 3)) / "skarvel-keep-e2e";
    std::error_code ignored;
    fs::remove_all(temp, ignored);
    Write(temp / "drop.tmp", "drop");
    Write(temp / "project.lock", "mine");
    Write(temp / "sub" / "gone.txt", "drop");
    Write(temp / "sub" / "keep" / "a.txt", "mine");
    Write(keepFile, "# kept by the user\r\n%TMP%\\PROJECT.LOCK\r\n%TMP%\\sub\\keep\r\n");
    const std::optional<std::wstring> savedAuto = wintest::ReadAuto();
    {
        Variable tmp(L"TMP", temp.wstring()), tempVar(L"TEMP", temp.wstring());
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        wintest::ClickAt(program.Main(), kTempUserBox);
        wintest::ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(wintest::WaitFor([&] { return !fs::exists(temp / "drop.tmp"); },
                                     "the run to empty the temp folder"));
        EXPECT_TRUE(wintest::WaitFor([&] { return !fs::exists(temp / "sub" / "gone.txt"); },
                                     "the run to reach the sub-folder"));
    }
    wintest::WriteAuto(savedAuto);
    EXPECT_TRUE(fs::exists(temp / "project.lock"));
    EXPECT_TRUE(fs::exists(temp / "sub" / "keep" / "a.txt"));
    fs::remove(keepFile, ignored);
    fs::remove_all(temp, ignored);
}

}  // namespace
