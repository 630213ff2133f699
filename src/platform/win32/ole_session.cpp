#include "platform/win32/ole_session.h"

#include <windows.h>
#include <ole2.h>

namespace platform::win32 {

namespace {
// OLE started by Ensure on a thread, not yet ended: by the session on the interface thread,
// on any other thread (a cleaning run's) when that thread ends.
struct ThreadOle {
    bool started = false;
    ~ThreadOle() {
        if (started) OleUninitialize();
    }
};
thread_local ThreadOle thisThread;
}  // namespace

OleSession::OleSession() = default;

OleSession::~OleSession() {
    if (thisThread.started) OleUninitialize();
    thisThread.started = false;
}

bool OleSession::Ensure() {
    bool& started = thisThread.started;
    if (started) return true;
    const HRESULT hr = OleInitialize(nullptr);
    // Another apartment already on this thread: COM works, and it is not ours to end.
    if (hr == RPC_E_CHANGED_MODE) return true;
    // S_FALSE: already initialised on this thread; the count still went up and is ours.
    started = SUCCEEDED(hr);
    return started;
}

}  // namespace platform::win32
