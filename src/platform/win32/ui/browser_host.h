#pragma once
// The system's web browser control hosted in place in one of our windows (OLE in-place
// activation through a minimal client site and frame), with its current document.

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "platform/win32/com_ptr.h"

struct IOleObject;
struct IOleInPlaceObject;
struct IWebBrowser2;

namespace platform::win32 {

// Whether the platform can make an HTML document at all (an HTML engine is installed).
bool HtmlEngineAvailable();

class BrowserHost {
  public:
    // The browser activated in place in PARENT, filling its client area; null when the control
    // cannot be made or activated.
    static std::unique_ptr<BrowserHost> Create(HWND parent);
    // Deactivates and closes the browser; its windows go before PARENT does.
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // Fits the browser to the parent's client area.
    void Resize();
    // The current document, or null while there is none.
    ComPtr<IDispatch> Document() const;
    // Starts loading URL; the document follows later, while messages are processed.
    void Navigate(const wchar_t* url);
    // Offers a key message to the active browser (Tab, arrows, Ctrl+C); true when it took it.
    bool OfferKey(MSG& msg);

    class Site;

  private:
    BrowserHost(HWND parent, Site* site);

    HWND parent_;
    Site* site_;  // one reference, released last
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
};

}  // namespace platform::win32
