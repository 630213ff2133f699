#pragma once
// Shell folder listings: the items of a file-system folder or of the recycle bin as the shell
// shows them (display name, size, type name, time, attributes, system icon), and watches that
// report when a listing may have changed.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"  // attr:: bits

namespace platform {

struct ShellItem {
    std::string name;              // display name
    std::string path;              // parsing path; "" when the shell gives none
    std::uint64_t size = 0;        // bytes (0 for folders)
    std::string typeName;          // the shell's type text, e.g. "Text Document", "File folder"
    std::int64_t modified = 0;     // 100 ns ticks since 1601-01-01 UTC; 0 when unknown
    std::uint32_t attributes = 0;  // attr:: bits
    int iconIndex = -1;            // index into the system image lists; -1 when unknown

    bool IsFolder() const { return (attributes & attr::kDirectory) != 0; }
    bool IsHidden() const { return (attributes & attr::kHidden) != 0; }
};

// A change watch on one listing. Poll it; it never blocks.
class FolderWatch {
  public:
    virtual ~FolderWatch() = default;
    // True once for every batch of changes since the previous call.
    virtual bool Changed() = 0;
};

class ShellFolder {
  public:
    virtual ~ShellFolder() = default;

    // Every item of the folder PATH, hidden and system items included, in the shell's order.
    // nullopt when PATH is not a folder the shell can open.
    virtual std::optional<std::vector<ShellItem>> ListFolder(const std::string& path) = 0;
    // Every item of the recycle bins (all drives). nullopt when the bin cannot be opened.
    virtual std::optional<std::vector<ShellItem>> ListRecycleBin() = 0;
    // Whether PATH names an existing folder.
    virtual bool FolderExists(const std::string& path) = 0;

    // Watches for changes of the folder PATH (its direct entries: names, sizes, times,
    // attributes). nullptr when the folder cannot be watched.
    virtual std::unique_ptr<FolderWatch> WatchFolder(const std::string& path) = 0;
    virtual std::unique_ptr<FolderWatch> WatchRecycleBin() = 0;
};

}  // namespace platform
