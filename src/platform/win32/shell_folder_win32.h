#pragma once
// Shell folder listings through the shell namespace (IShellFolder): file-system folders and
// the recycle bin, with type names and system icon indexes from SHGetFileInfo. Folder watches
// are change-notification handles polled without waiting; the recycle bin, which spans every
// drive, is watched by comparing a cheap summary of its listing.

#include "platform/shell_folder.h"

namespace platform::win32 {

class ShellFolderWin32 final : public ShellFolder {
public:
    ShellFolderWin32();
    ~ShellFolderWin32() override;
    ShellFolderWin32(const ShellFolderWin32&) = delete;
    ShellFolderWin32& operator=(const ShellFolderWin32&) = delete;

    std::optional<std::vector<ShellItem>> ListFolder(const std::string& path) override;
    std::optional<std::vector<ShellItem>> ListRecycleBin() override;
    bool FolderExists(const std::string& path) override;
    std::unique_ptr<FolderWatch> WatchFolder(const std::string& path) override;
    std::unique_ptr<FolderWatch> WatchRecycleBin() override;

    // The system image lists (HIMAGELIST) that ShellItem::iconIndex refers to.
    static void* SystemImageList(bool large);

private:
    bool comInitialized_ = false;
};

}  // namespace platform::win32
