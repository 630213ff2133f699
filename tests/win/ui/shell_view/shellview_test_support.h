#pragma once
// A scratch folder with a file, a hidden file and a sub-folder; the private-Trash check.

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/win32/text.h"

namespace shellview {

struct Scratch {
    std::filesystem::path folder;

    explicit Scratch(const char* name) {
        folder = std::filesystem::temp_directory_path() /
                 (std::string(name) + "-" + std::to_string(GetCurrentProcessId()));
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
        std::filesystem::create_directories(folder / "sub");
        std::ofstream(folder / "notes.txt") << std::string(1500, 'n');
        std::ofstream(folder / "secret.dat") << "s";
        SetFileAttributesW((folder / "secret.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    ~Scratch() {
        SetFileAttributesW((folder / "secret.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string Path() const { return platform::win32::Narrow(folder.wstring()); }
};

// The bin under Wine is the Linux user's Trash: only touch it when the test environment has
// moved HOME and XDG_DATA_HOME to a private folder.
inline bool TrashIsPrivate() {
    const char* real = std::getenv("SKARVEL_REAL_HOME");
    const char* data = std::getenv("XDG_DATA_HOME");
    if (!real || !data || !*real) return false;
    return std::string(data) != std::string(real) + "/.local/share";
}

}  // namespace shellview
