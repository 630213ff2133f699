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
    // Whether a window that keeps the main window disabled is visible: the options window or
    // the log, disk, process or type manager (the help window does not count).
    virtual bool BlockingWindowVisible() const = 0;

protected:
    ~ToolWindows() = default;
};

}  // namespace app
