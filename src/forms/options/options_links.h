#pragma once
// What the options window reaches of the main window beyond the list of windows
// (forms/window_links.h), without naming its class: the file-list style, the tray icon, the
// activity log and the ticked categories.

#include <string>
#include <vector>

#include "ui/shell_list_view.h"

namespace shell {
class TTray;
}

namespace settings {

class MainWindowLink {
  public:
    // The view style of the main window's file list.
    virtual void SetFileListStyle(ui::ViewStyle style) = 0;
    // The main window's tray icon.
    virtual shell::TTray& Tray() = 0;
    // Writes the activity log to the log folder as it stands now. Raises the file-creation
    // error when the file cannot be written.
    virtual void SaveActivityLog() = 0;
    // The command-line ids of the categories ticked now, in the run's order.
    virtual std::vector<std::string> TickedCategoryIds() = 0;

  protected:
    ~MainWindowLink() = default;
};

}  // namespace settings
