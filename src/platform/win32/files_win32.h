#pragma once
// Files and folders through the wide-character API. Every path is made absolute and given
// the "\\?\" prefix, so paths of any length work. Failures come back as results (false,
// nullopt), never as exceptions.
//
// Open hands out handles that the purge checks (final path, identity) and changes through
// (listing, attributes, deletion on close). For removal and deletion a reparse point at the
// end of the path is opened as itself, never followed, where the platform allows it (under
// Wine a Unix symlink is followed all the same: the final path shows where it leads). Those
// opens, and the folder a purge walks, do not share delete access: nobody renames what is
// held between its check and its use, and a sharing failure reads like a file in use.

#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>

#include "platform/files.h"

namespace platform::win32 {

// Lower-case Windows paths of the Unix mount points, under Wine.
using MountTable = std::unordered_set<std::wstring>;

class FileSystemWin32 final : public FileSystem {
  public:
    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) override;
    std::unique_ptr<OpenEntry> Open(const std::string& path, OpenFor purpose) override;
    std::vector<std::string> KnownFolderPaths(KnownFolder id) override;
    bool DeletesReadOnlyNames() override;
    std::string LastErrorText() override;
    bool CreateFolder(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) override;
    bool AppendFile(const std::string& path, const std::string& bytes, std::string& error) override;
    std::string NameKey(std::string_view text) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;

    // PATH as an absolute, "\\?\"-prefixed wide path (trailing separators dropped except on
    // a root). Exposed for tests.
    static std::wstring LongPath(const std::string& path);
    // The longest path the system's file functions take, in UTF-16 units; LongPath gives ""
    // (and sets ERROR_FILENAME_EXCED_RANGE) for a longer one.
    static constexpr std::size_t kLongestPath = 32767;
    static bool DeletesReadOnlyNamesHere();

  private:
    std::mutex mountsLock_;  // a purge may run on another thread than the windows' use
    std::shared_ptr<const MountTable> mounts_;
};

}  // namespace platform::win32
