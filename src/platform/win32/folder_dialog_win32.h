#pragma once
// The shell's folder dialog (SHBrowseForFolderW), rooted at the desktop. OLE is initialised
// around the call for the new dialog style; the item lists the shell hands out (the desktop's
// and the chosen one) are released.

#include "platform/folder_dialog.h"

namespace platform::win32 {

class FolderDialogWin32 final : public FolderDialog {
  public:
    std::optional<std::string> Browse(const BrowseRequest& request,
                                      const BrowseCallback& callback) override;
};

}  // namespace platform::win32
