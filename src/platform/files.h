#pragma once
// Files and folders. Paths are UTF-8; the Win32 implementation uses the wide-character API
// with long-path support. Every call reports failure by its result and never throws.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Attribute bits as the platform reports them.
namespace attr {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kVolumeLabel = 0x8;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attr

struct DirEntry {
    std::string name;  // the entry's name alone, as enumerated
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when PATH names an existing folder.
    virtual bool DirectoryExists(const std::string& path) = 0;
    // True when PATH names an existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // The attributes of PATH, or nullopt when it does not exist.
    virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // Lists the entries matching PATTERN (a folder + the platform's wildcard pattern, e.g.
    // "C:\\x\\*"), in the platform's order, "." and ".." included when the platform lists
    // them. Returns false when nothing could be enumerated.
    virtual bool Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) = 0;

    // Deletes the file PATH, which must be the entry it was enumerated as: a link that
    // resolves elsewhere is refused (false) rather than followed.
    virtual bool DeleteFileAt(const std::string& path) = 0;
    // Removes the empty folder PATH; a reparse point is refused (false), never followed.
    virtual bool RemoveFolder(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;

    // Whole-file access, for the program's own files (logs, lists).
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Creates or replaces PATH with BYTES. On failure returns false and sets ERROR to the
    // system's reason text.
    virtual bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) = 0;
    virtual bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) = 0;
};

}  // namespace platform
