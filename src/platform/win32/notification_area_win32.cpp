#include "platform/win32/notification_area_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "platform/win32/handles.h"
#include "platform/win32/icon_pixels.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"SkarvelNotifyWindow";

class NotifyWindow final : public MessageWindow {
  public:
    explicit NotifyWindow(NotificationArea::MessageHandler handler) : handler_(std::move(handler)) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        static const ATOM registered = [instance] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = Proc;
            wc.hInstance = instance;
            wc.lpszClassName = kWindowClass;
            return RegisterClassExW(&wc);
        }();
        (void)registered;  // a failed registration shows as a failed creation below
        window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                                      nullptr, nullptr, instance, this));
    }
    WindowHandle Handle() const override { return window_.get(); }
    bool Made() const { return static_cast<bool>(window_); }

  private:
    // The handler must not throw: nothing may unwind through the system.
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
        if (msg == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<NotifyWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        std::intptr_t result = 0;
        if (self && self->handler_ &&
            self->handler_(
                {msg, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam)},
                result))
            return static_cast<LRESULT>(result);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

    NotificationArea::MessageHandler handler_;
    WindowOwner window_;
};

class MadeIcon final : public OwnedIcon {
  public:
    explicit MadeIcon(HICON icon) : icon_(icon) {}
    IconHandle Handle() const override { return icon_.get(); }

  private:
    IconOwner icon_;
};

NOTIFYICONDATAW ToNative(const NotifyIconRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = static_cast<HWND>(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = static_cast<HICON>(record.icon);
    std::wstring tip = Widen(record.tip);
    wcsncpy(data.szTip, tip.c_str(), ARRAYSIZE(data.szTip) - 1);
    return data;
}

}  // namespace

std::unique_ptr<MessageWindow> NotificationAreaWin32::CreateMessageWindow(MessageHandler handler) {
    auto window = std::make_unique<NotifyWindow>(std::move(handler));
    if (!window->Made()) return nullptr;
    return window;
}

bool NotificationAreaWin32::AddIcon(const NotifyIconRecord& record) {
    NOTIFYICONDATAW data = ToNative(record);
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool NotificationAreaWin32::DeleteIcon(const NotifyIconRecord& record) {
    if (!record.window) return false;  // never shown
    NOTIFYICONDATAW data = ToNative(record);
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

IconHandle NotificationAreaWin32::ApplicationIcon() {
    // Shared: the system keeps it for the life of the process.
    return LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
}

std::unique_ptr<OwnedIcon> NotificationAreaWin32::MakeIcon(int width, int height,
                                                           const std::vector<std::uint32_t>& pixels,
                                                           std::uint32_t transparent) {
    if (pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return nullptr;
    HICON icon = IconFromPixels(width, height, pixels.data(), transparent);
    if (!icon) return nullptr;
    return std::make_unique<MadeIcon>(icon);
}

void NotificationAreaWin32::BringToForeground(WindowHandle window) {
    (void)SetForegroundWindow(static_cast<HWND>(window));  // the system may refuse
}

void NotificationAreaWin32::PostToWindow(WindowHandle window, const WindowMessage& message) {
    (void)PostMessageW(static_cast<HWND>(window), message.message,
                       static_cast<WPARAM>(message.wParam), static_cast<LPARAM>(message.lParam));
}

}  // namespace platform::win32
