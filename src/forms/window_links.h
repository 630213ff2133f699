#pragma once
// The secondary windows as the main window reaches them, without naming their classes.

namespace app {

class ToolWindows {
  public:
    // "Mechanical Options": shows the options window.
    virtual void ShowOptions() = 0;
    // "Log Manager": shows the log manager.
    virtual void ShowLogManager() = 0;
    // "DIsk Manager": shows the disk manager, whose showing rebuilds its drive table.
    virtual void ShowDiskManager() = 0;
    // "Help": writes the help page into the help window and shows it.
    virtual void ShowHelp() = 0;
    // "process Manager": shows the process manager and fills its list again.
    virtual void ShowProcessManager() = 0;
    // "Type Manager": shows the type manager and lists the registered file types in it.
    virtual void ShowTypeManager() = 0;
    // Whether a window that keeps the main window disabled is visible: the options window or
    // the log, disk, process or type manager (the help window does not count).
    virtual bool BlockingWindowVisible() const = 0;

  protected:
    ~ToolWindows() = default;
};

}  // namespace app
