#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "conformance/profile_conformance.h"
#include "platform/win32/profile_win32.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder under the temp folder per test, removed afterwards.
class Win32Env {
  public:
    Win32Env() {
        static int counter = 0;
        folder_ = fs::temp_directory_path() /
                  ("skarvel-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(++counter));
        fs::create_directories(folder_);
    }
    ~Win32Env() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    platform::Profile& Profile() { return profile_; }
    std::string PathOf(const std::string& name) { return (folder_ / name).string(); }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::optional<std::string> Get(const std::string& name) {
        std::ifstream in(folder_ / name, std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string RefusedPath() { return (folder_ / "missing" / "x.ini").string(); }
    // 0xE9 in whatever ANSI code page the system uses.
    std::string AnsiByte() { return "\xE9"; }
    std::string AnsiByteText() {
        wchar_t wide = 0;
        MultiByteToWideChar(CP_ACP, 0, "\xE9", 1, &wide, 1);
        char utf8[8] = {};
        int n = WideCharToMultiByte(CP_UTF8, 0, &wide, 1, utf8, sizeof utf8, nullptr, nullptr);
        return std::string(utf8, static_cast<std::size_t>(n));
    }

  private:
    fs::path folder_;
    platform::win32::ProfileWin32 profile_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileConformance, Win32Env);
