#pragma once
// OLE on the interface thread for the whole program run: the shell's folder objects, the hosted
// web browser and drag and drop need it. The entry point makes one before anything else.
// Portable header: the entry point includes it without <windows.h>.

namespace platform::win32 {

class OleSession {
  public:
    // Raises the system's text when OLE cannot be initialised.
    OleSession();
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

}  // namespace platform::win32
