#pragma once
// OLE on the interface thread (and on a thread that runs a cleaning): the shell's folder
// objects, shell execution and the hosted web browser need it. It starts with the first of them to
// run, not with the program (loading OLE costs start-up time before the main window shows), and
// ends with the program's session. Portable header: the entry points include it without
// <windows.h>.

namespace platform::win32 {

class OleSession {
  public:
    // The program's session, for the whole run; OLE itself waits for Ensure.
    OleSession();
    // Ends OLE when Ensure started it.
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

    // Starts OLE on this thread unless it runs already; false when it cannot be started. On a
    // thread other than the session's, OLE ends with the thread.
    static bool Ensure();
};

}  // namespace platform::win32
