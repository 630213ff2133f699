#include "platform/win32/ui/browser_host.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <exdisp.h>
#include <mshtml.h>
#include <oleidl.h>
// clang-format on

#include "platform/win32/ole_session.h"

namespace platform::win32 {

// The container side of in-place activation: the client site, the in-place site and the frame
// in one object, which lends the browser our window and keeps its active object for keys.
class BrowserHost::Site final : public IOleClientSite,
                                public IOleInPlaceSite,
                                public IOleInPlaceFrame {
  public:
    explicit Site(HWND window) : window_(window) {}

    // The browser's active object, for offering keys; dropped when the host goes.
    IOleInPlaceActiveObject* Active() const { return active_.Get(); }
    void Detach() { active_.Reset(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (for both the site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        GetClientRect(window_, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(window_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) override {
        active_.Reset();
        if (active) {
            active->AddRef();
            *active_.Out() = active;
        }
        return S_OK;
    }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    ~Site() = default;

    HWND window_;
    ULONG references_ = 1;
    ComPtr<IOleInPlaceActiveObject> active_;
};

bool HtmlEngineAvailable() {
    // The HTML document class (the import libraries do not carry its identifier).
    constexpr CLSID kHtmlDocument = {
        0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};
    ComPtr<IUnknown> document;
    return OleSession::Ensure() &&
           SUCCEEDED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      document.OutVoid()));
}

BrowserHost::BrowserHost(HWND parent, Site* site) : parent_(parent), site_(site) {}

std::unique_ptr<BrowserHost> BrowserHost::Create(HWND parent) {
    if (!OleSession::Ensure()) return nullptr;
    std::unique_ptr<BrowserHost> host(new BrowserHost(parent, new Site(parent)));
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                host->object_.OutVoid())))
        return nullptr;
    IOleClientSite* site = host->site_;
    if (FAILED(host->object_->SetClientSite(site))) return nullptr;
    (void)OleSetContainedObject(host->object_.Get(), TRUE);  // only affects its lifetime rules
    RECT area;
    GetClientRect(parent, &area);
    if (FAILED(host->object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &area)))
        return nullptr;
    if (FAILED(host->object_->QueryInterface(IID_IOleInPlaceObject, host->inPlace_.OutVoid())) ||
        FAILED(host->object_->QueryInterface(IID_IWebBrowser2, host->browser_.OutVoid())))
        return nullptr;
    // Script errors of a page are not the user's business.
    (void)host->browser_->put_Silent(VARIANT_TRUE);
    return host;
}

BrowserHost::~BrowserHost() {
    if (inPlace_) (void)inPlace_->InPlaceDeactivate();
    if (object_) {
        (void)object_->Close(OLECLOSE_NOSAVE);
        (void)object_->SetClientSite(nullptr);
    }
    site_->Detach();
    browser_.Reset();
    inPlace_.Reset();
    object_.Reset();
    site_->Release();
}

void BrowserHost::Resize() {
    if (!inPlace_) return;
    RECT area;
    GetClientRect(parent_, &area);
    (void)inPlace_->SetObjectRects(&area, &area);
}

ComPtr<IDispatch> BrowserHost::Document() const {
    ComPtr<IDispatch> document;
    if (FAILED(browser_->get_Document(document.Out()))) document.Reset();
    return document;
}

void BrowserHost::Navigate(const wchar_t* url) {
    BSTR address = SysAllocString(url);
    VARIANT empty;
    VariantInit(&empty);
    // A failed start shows as a document that never comes; the caller's wait ends it.
    (void)browser_->Navigate(address, &empty, &empty, &empty, &empty);
    SysFreeString(address);
}

bool BrowserHost::OfferKey(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    IOleInPlaceActiveObject* active = site_->Active();
    return active && active->TranslateAccelerator(&msg) == S_OK;
}

}  // namespace platform::win32
