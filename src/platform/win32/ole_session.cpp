#include "platform/win32/ole_session.h"

#include <windows.h>
#include <ole2.h>

#include <stdexcept>
#include <string>

#include "platform/win32/text.h"

namespace platform::win32 {

OleSession::OleSession() {
    HRESULT hr = OleInitialize(nullptr);
    // S_FALSE: already initialised on this thread; the count still went up.
    if (FAILED(hr))
        throw std::runtime_error("Cannot initialise OLE. " +
                                 SystemErrorText(static_cast<unsigned long>(hr)));
}

OleSession::~OleSession() {
    OleUninitialize();
}

}  // namespace platform::win32
