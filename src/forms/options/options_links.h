#pragma once
// The windows the options window acts on, as it reaches them without naming their classes:
// the main window (its texts, file-list style, tray icon and activity log) and the tool
// windows (their colours and texts).

#include "settings/language_tables.h"
#include "settings/retranslate.h"
#include "ui/shell_list_view.h"

namespace shell {
class TTray;
}
namespace ui {
class Form;
}

namespace settings {

class MainWindowLink : public RetranslationTarget {
  public:
    // The view style of the main window's file list.
    virtual void SetFileListStyle(ui::ViewStyle style) = 0;
    // The main window's tray icon.
    virtual shell::TTray& Tray() = 0;
    // Writes the activity log to the log folder as it stands now. Raises the file-creation
    // error when the file cannot be written.
    virtual void SaveActivityLog() = 0;

  protected:
    ~MainWindowLink() = default;
};

class ToolWindowLinks {
  public:
    // The log, disk, process or type manager; null until it has been created.
    virtual ui::Form* ToolWindow(LanguageWindow which) = 0;

  protected:
    ~ToolWindowLinks() = default;
};

}  // namespace settings
