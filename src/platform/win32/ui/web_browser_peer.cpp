#include "platform/win32/ui/web_browser_peer.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <mshtml.h>
#include <richedit.h>
// clang-format on

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/ui/html_rich_text.h"
#include "ui/application.h"
#include "ui/web_browser.h"

namespace platform::win32 {

namespace {

struct StreamSource {
    const std::string& bytes;
    size_t at = 0;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    size_t n = std::min(static_cast<size_t>(size), source->bytes.size() - source->at);
    std::copy_n(source->bytes.data() + source->at, n, buffer);
    source->at += n;
    *read = static_cast<LONG>(n);
    return 0;
}

void ThrowIfFailed(HRESULT hr, const char* what) {
    if (FAILED(hr))
        throw std::runtime_error(std::string(what) + " " + SystemErrorText(static_cast<DWORD>(hr)));
}

// Twips for PIXELS on the screen.
int Twips(int pixels) {
    WindowDc screen(nullptr, WindowDc::Area::Client);
    int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    return MulDiv(pixels, 1440, dpi > 0 ? dpi : 96);
}

}  // namespace

WebBrowserPeer::WebBrowserPeer(Win32State& state, ui::WebBrowser& browser)
    : WindowPeer(state, browser), browser_(browser) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (browser.Visible()) style |= WS_VISIBLE;
    if (!browser.Enabled()) style |= WS_DISABLED;
    CreateOwnWindow(0, style, ParentHwnd(), ChildRect());
    if (!browser_.Page().empty()) ShowPage();
}

WebBrowserPeer::~WebBrowserPeer() {
    host_.reset();
    DestroyOwnedWindow();
}

void WebBrowserPeer::Changed(ui::Change what) {
    if (what == ui::Change::Model) {
        ShowPage();
        return;
    }
    WindowPeer::Changed(what);
}

bool WebBrowserPeer::PreTranslate(MSG& msg) {
    return host_ && host_->OfferKey(msg);
}

LRESULT WebBrowserPeer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SIZE) FitContents();
    return WindowPeer::HandleMessage(msg, wParam, lParam);
}

void WebBrowserPeer::FitContents() {
    if (host_) host_->Resize();
    if (textView_) {
        RECT area;
        GetClientRect(hwnd_, &area);
        MoveWindow(textView_, 0, 0, area.right, area.bottom, TRUE);
    }
}

void WebBrowserPeer::ShowPage() {
    // A write that waits for the first document shows the newest page once it comes.
    if (writing_ || !hwnd_) return;
    writing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{writing_};

    if (mode_ == Mode::Undecided) {
        if (HtmlEngineAvailable()) host_ = BrowserHost::Create(hwnd_);
        mode_ = host_ ? Mode::Browser : Mode::Text;
    }
    if (mode_ == Mode::Browser && !WriteDocument()) {
        host_.reset();
        mode_ = Mode::Text;
    }
    if (mode_ == Mode::Text) ShowFormattedText();
}

bool WebBrowserPeer::WriteDocument() {
    ComPtr<IDispatch> document = host_->Document();
    if (!document) {
        host_->Navigate(L"about:blank");
        const DWORD start = GetTickCount();
        while (!(document = host_->Document())) {
            if (GetTickCount() - start > kFirstDocumentLimitMs) return false;
            // Other events run meanwhile, as the user expects of a window that is loading.
            control_.App().GetBackend().ProcessMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            if (!hwnd_) return false;  // the window went while we waited
        }
    }
    ComPtr<IHTMLDocument2> html;
    if (FAILED(document->QueryInterface(IID_IHTMLDocument2, html.OutVoid())))
        throw std::runtime_error(
            "The browser's document cannot take a page: it is no HTML document.");

    std::wstring page = Widen(browser_.Page());
    SAFEARRAY* lines = SafeArrayCreateVector(VT_VARIANT, 0, 1);
    if (!lines) throw std::runtime_error("Not enough memory for the page.");
    VARIANT* line = nullptr;
    HRESULT hr = SafeArrayAccessData(lines, reinterpret_cast<void**>(&line));
    if (SUCCEEDED(hr)) {
        line->vt = VT_BSTR;
        line->bstrVal = SysAllocStringLen(page.data(), static_cast<UINT>(page.size()));
        (void)SafeArrayUnaccessData(lines);
        hr = line->bstrVal ? html->write(lines) : E_OUTOFMEMORY;
    }
    (void)SafeArrayDestroy(lines);  // frees the string too
    ThrowIfFailed(hr, "The page cannot be written into the browser.");
    ThrowIfFailed(html->close(), "The browser's document cannot be closed.");
    return true;
}

void WebBrowserPeer::ShowFormattedText() {
    if (!textView_) {
        const wchar_t* viewClass = L"RICHEDIT50W";
        richEditLibrary_.reset(LoadLibraryW(L"Msftedit.dll"));
        if (!richEditLibrary_) {
            richEditLibrary_.reset(LoadLibraryW(L"Riched20.dll"));
            viewClass = RICHEDIT_CLASSW;
        }
        if (!richEditLibrary_)
            throw std::runtime_error("Cannot load the rich text library. " +
                                     SystemErrorText(GetLastError()));
        RECT area;
        GetClientRect(hwnd_, &area);
        textView_ = CreateWindowExW(0, viewClass, L"",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                        ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL,
                                    0, 0, area.right, area.bottom, hwnd_, nullptr, state_.instance,
                                    nullptr);
        if (!textView_)
            throw std::runtime_error("Cannot create the page's text view. " +
                                     SystemErrorText(GetLastError()));
    }
    RichTextPage page = HtmlToRichText(browser_.Page(), Twips(browser_.TextIndent()));
    SendMessageW(textView_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(page.background & 0xFFFFFF));
    StreamSource source{page.rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadStream};
    SendMessageW(textView_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace platform::win32
