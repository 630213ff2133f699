#include "platform/win32/folder_dialog_win32.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <exception>

#include "platform/win32/com_ptr.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

// The file-system path of an item list; "" for an item that has none.
std::string PathOf(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH + 1] = {};
    if (!item || !SHGetPathFromIDListW(item, path)) return {};
    return Narrow(path);
}

class DialogWindow final : public FolderDialogWindow {
  public:
    explicit DialogWindow(HWND hwnd) : hwnd_(hwnd) {}
    WindowHandle Handle() const override { return hwnd_; }
    void SetStatusText(const std::string& text) override {
        std::wstring wide = Widen(text);
        SendMessageW(hwnd_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    void SetSelection(const std::string& path) override {
        std::wstring wide = Widen(path);
        SendMessageW(hwnd_, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    void EnableOk(bool enable) override { SendMessageW(hwnd_, BFFM_ENABLEOK, 0, enable ? 1 : 0); }
    ScreenRect WindowRect() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    void Move(const ScreenRect& rect) override {
        MoveWindow(hwnd_, rect.left, rect.top, rect.width, rect.height, FALSE);
    }

  private:
    HWND hwnd_;
};

// What the callback procedure reaches through its data parameter.
struct CallbackContext {
    const BrowseCallback& callback;
    std::exception_ptr failure;
};

int CALLBACK BrowseProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data) {
    auto& context = *reinterpret_cast<CallbackContext*>(data);
    if (context.failure) return 0;
    // No exception may unwind through the shell: keep it, close the dialog, raise it later.
    try {
        DialogWindow dialog(hwnd);
        const std::string itemPath =
            message == BFFM_SELCHANGED ? PathOf(reinterpret_cast<LPCITEMIDLIST>(lParam)) : "";
        return context.callback(dialog, message, itemPath);
    } catch (...) {
        context.failure = std::current_exception();
        PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
}

}  // namespace

std::optional<std::string> FolderDialogWin32::Browse(const BrowseRequest& request,
                                                     const BrowseCallback& callback) {
    HWND owner = static_cast<HWND>(request.owner);
    ITEMIDLIST* desktopRaw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &desktopRaw))) desktopRaw = nullptr;
    CoTaskMemOwner<ITEMIDLIST> desktop(desktopRaw);

    const std::wstring title = Widen(request.title);
    CallbackContext context{callback, nullptr};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = desktop.get();
    info.lpszTitle = title.empty() ? nullptr : title.c_str();
    info.ulFlags = request.flags;
    info.lpfn = BrowseProc;
    info.lParam = reinterpret_cast<LPARAM>(&context);

    std::optional<std::string> chosen;
    {
        // The new style's dialog is made of shell objects: it needs OLE.
        if (request.flags & browse::kNewDialogStyle) OleSession::Ensure();
        CoTaskMemOwner<ITEMIDLIST> item(SHBrowseForFolderW(&info));
        if (item) chosen = PathOf(item.get());
    }
    if (context.failure) std::rethrow_exception(context.failure);
    return chosen;
}

}  // namespace platform::win32
