#include "shell/browse_for_folder.h"

#include <optional>

#include "platform/files.h"
#include "ui/application.h"

TBrowseForFolder::TBrowseForFolder(ui::Application& application, platform::FolderDialog& dialog,
                                   platform::FileSystem& files)
    : application_(application), dialog_(dialog), files_(files) {}

std::uint32_t TBrowseForFolder::Flags() const {
    std::uint32_t flags = 0;
    if (!statusText_.empty() && !newDialogStyle_) flags |= platform::browse::kStatusText;
    if (editBox_) flags |= platform::browse::kEditBox;
    if (newDialogStyle_) flags |= platform::browse::kNewDialogStyle;
    return flags;
}

bool TBrowseForFolder::Execute() {
    platform::BrowseRequest request{application_.MainWindowHandle(), title_, Flags()};
    dialogHandle_ = nullptr;
    std::optional<std::string> chosen = dialog_.Browse(
        request,
        [this](platform::FolderDialogWindow& dialog, unsigned message,
               const std::string& itemPath) { return BrowseCallback(dialog, message, itemPath); });
    if (!chosen) return false;
    path_ = std::move(*chosen);
    return true;
}

int TBrowseForFolder::BrowseCallback(platform::FolderDialogWindow& dialog, unsigned message,
                                     const std::string& itemPath) {
    if (message == platform::browse::kInitialized) Initialized(dialog);
    if (message == platform::browse::kSelChanged) SelectionChanged(dialog, itemPath);
    return 0;
}

void TBrowseForFolder::Initialized(platform::FolderDialogWindow& dialog) {
    // The new style has no status line and ignores the text; it is sent all the same.
    if (!statusText_.empty()) dialog.SetStatusText(statusText_);
    if (!path_.empty()) dialog.SetSelection(path_);
    const platform::ScreenRect rect = dialog.WindowRect();
    int left = rect.left;
    int top = rect.top;
    if (OnSetPosition) OnSetPosition(*this, left, top, rect.width, rect.height);
    DoSetPosition(left, top, rect.width, rect.height);
    if (left != rect.left || top != rect.top) dialog.Move({left, top, rect.width, rect.height});
}

void TBrowseForFolder::SelectionChanged(platform::FolderDialogWindow& dialog,
                                        const std::string& itemPath) {
    // Cleared again however the handlers end.
    struct HandleScope {
        platform::WindowHandle& handle;
        ~HandleScope() { handle = nullptr; }
    } scope{dialogHandle_};
    dialogHandle_ = dialog.Handle();
    bool enableOk = !itemPath.empty() && files_.DirectoryExists(itemPath);
    if (OnSelChanged) OnSelChanged(*this, itemPath, enableOk);
    DoSelChanged(itemPath, enableOk);
    dialog.EnableOk(enableOk);
}
