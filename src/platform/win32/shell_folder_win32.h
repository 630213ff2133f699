#pragma once
// Shell folder listings through the shell namespace (IShellFolder): file-system folders and
// the recycle bin, with type names and system icon indexes from SHGetFileInfo. Needs COM on the
// calling thread (the program's OleSession). Folder watches
// are change-notification handles polled without waiting; the recycle bin, which spans every
// drive, is watched by comparing a cheap summary of its listing.

#include "platform/shell_folder.h"

namespace platform::win32 {

class ShellFolderWin32 final : public ShellFolder {
  public:
    std::optional<std::vector<ShellItem>> ListFolder(const std::string& path) override;
    std::optional<std::vector<ShellItem>> ListRecycleBin() override;
    bool FolderExists(const std::string& path) override;
    std::unique_ptr<FolderWatch> WatchFolder(const std::string& path) override;
    std::unique_ptr<FolderWatch> WatchRecycleBin() override;

    // The system image lists (HIMAGELIST) that ShellItem::iconIndex refers to.
    static void* SystemImageList(bool large);
};

}  // namespace platform::win32
