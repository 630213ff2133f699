#pragma once
// ui::WebBrowser as a container window holding either the system's web browser control, with
// the page written into its document, or, where no HTML engine can be made (or the browser
// never produces a document), a read-only rich-text view of the same page.

#include "platform/win32/handles.h"
#include "platform/win32/ui/browser_host.h"
#include "platform/win32/ui/window_peer.h"

namespace ui {
class WebBrowser;
}

namespace platform::win32 {

class WebBrowserPeer final : public WindowPeer {
  public:
    WebBrowserPeer(Win32State& state, ui::WebBrowser& browser);
    // The browser and the text view go before the container and the library of the view.
    ~WebBrowserPeer() override;

    void Changed(ui::Change what) override;
    bool PreTranslate(MSG& msg) override;

    // How long the first write waits for the browser's first document before it shows the
    // page as formatted text instead.
    static constexpr DWORD kFirstDocumentLimitMs = 10000;

  private:
    enum class Mode { Undecided, Browser, Text };

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Shows the control's page the way the platform allows, deciding that at the first page.
    void ShowPage();
    // Writes the page into the browser's document; false when no document came in time.
    bool WriteDocument();
    void ShowFormattedText();
    void FitContents();

    ui::WebBrowser& browser_;
    Mode mode_ = Mode::Undecided;
    bool writing_ = false;
    LibraryOwner richEditLibrary_;
    HWND textView_ = nullptr;  // a child of the container, destroyed with it
    std::unique_ptr<BrowserHost> host_;
};

}  // namespace platform::win32
