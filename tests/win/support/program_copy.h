#pragma once
// A private copy of the built program and its language files in a fresh folder under the temp
// folder (named as the test asks, any script), removed afterwards: its settings file and logs
// are its own, whatever other tests run meanwhile.

#include <windows.h>

#include <filesystem>
#include <string>

#include "win/support/running_program.h"

namespace wintest {

class ProgramCopy {
  public:
    explicit ProgramCopy(const std::wstring& name)
        : folder_(std::filesystem::temp_directory_path() /
                  (name + L"-" + std::to_wstring(GetCurrentProcessId()))) {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        fs::create_directories(folder_);
        const fs::path built = ProgramPath();
        fs::copy_file(built, folder_ / L"skarvel.exe");
        fs::copy(built.parent_path() / L"Language", folder_ / L"Language",
                 fs::copy_options::recursive);
    }
    ~ProgramCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::wstring Exe() const { return (folder_ / L"skarvel.exe").wstring(); }
    std::filesystem::path Settings() const { return folder_ / L"Mordaun.ini"; }
    std::wstring Language(const wchar_t* name) const {
        return (folder_ / L"Language" / (std::wstring(name) + L".MordaunLang")).wstring();
    }

  private:
    std::filesystem::path folder_;
};

}  // namespace wintest
