#pragma once
// Files and folders through the wide-character API. Every path is made absolute and given
// the "\\?\" prefix, so paths of any length work. Failures come back as results (false,
// nullopt), never as exceptions.
//
// Deletion is link-safe: a file is opened without following a reparse point, its final path
// is compared with the path it was asked for, and it is deleted through that same handle
// only when the two agree, so a link that resolves elsewhere (under Wine a Unix symlink looks
// like a plain file) is refused instead of deleting its target. SetAttributes checks the same
// way; RemoveFolder refuses reparse points.

#include <string>

#include "platform/files.h"

namespace platform::win32 {

class FileSystemWin32 final : public FileSystem {
  public:
    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) override;
    bool DeleteFileAt(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;

    // PATH as an absolute, "\\?\"-prefixed wide path (trailing separators dropped except on
    // a root). Exposed for tests.
    static std::wstring LongPath(const std::string& path);

  private:
    // True when the open HANDLE (a void* to keep Win32 types out of this header) is the
    // entry at the long path FULL itself, not something a link on the way leads to.
    bool IsSameEntry(void* handle, const std::wstring& full);

    // The final path of the folder last checked by IsSameEntry's slower branch; dropped at
    // every enumeration.
    std::wstring cachedFolder_;
    std::wstring cachedFolderFinal_;
};

}  // namespace platform::win32
