#include "platform/win32/ui/form_peer.h"

#include "platform/win32/text.h"
#include "ui/application.h"
#include "ui/form.h"

namespace platform::win32 {

FormPeer::FormPeer(Win32State& state, ui::Form& form) : WindowPeer(state, form), form_(form) {
    DWORD style, exStyle;
    Styles(style, exStyle);
    // Secondary forms are owned by the main form: they stay above it and share its taskbar entry.
    HWND owner = nullptr;
    ui::Form* main = form.App().MainForm();
    if (main && main != &form)
        if (auto* peer = dynamic_cast<WindowPeer*>(main->Peer())) owner = peer->Hwnd();
    CreateOwnWindow(exStyle, style, owner, OuterRect());
    RECT window;
    GetWindowRect(hwnd_, &window);
    form_.PeerMoved({window.left, window.top, window.right, window.bottom});
    if (form_.Visible()) Changed(ui::Change::Visible);
    if (!form_.Enabled()) EnableWindow(hwnd_, FALSE);
}

void FormPeer::Styles(DWORD& style, DWORD& exStyle) const {
    style = WS_CLIPCHILDREN;
    exStyle = form_.StayOnTop() ? WS_EX_TOPMOST : 0;
    unsigned icons = form_.BorderIcons();
    bool sysMenu = icons & ui::border_icon::kSystemMenu;
    switch (form_.GetBorderStyle()) {
        case ui::BorderStyle::None:
            style |= WS_POPUP;
            return;
        case ui::BorderStyle::Single:
            style |= WS_OVERLAPPED | WS_CAPTION;
            break;
        case ui::BorderStyle::Sizeable:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
            break;
        case ui::BorderStyle::Dialog:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_DLGMODALFRAME;
            icons &= ~(ui::border_icon::kMinimize | ui::border_icon::kMaximize);
            break;
        case ui::BorderStyle::ToolWindow:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_TOOLWINDOW;
            icons &= ~(ui::border_icon::kMinimize | ui::border_icon::kMaximize);
            break;
        case ui::BorderStyle::SizeToolWin:
            style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME;
            exStyle |= WS_EX_TOOLWINDOW;
            icons &= ~(ui::border_icon::kMinimize | ui::border_icon::kMaximize);
            break;
    }
    if (sysMenu) {
        style |= WS_SYSMENU;
        if (icons & ui::border_icon::kMinimize) style |= WS_MINIMIZEBOX;
        if (icons & ui::border_icon::kMaximize) style |= WS_MAXIMIZEBOX;
        if ((icons & ui::border_icon::kHelp) &&
            !(icons & (ui::border_icon::kMinimize | ui::border_icon::kMaximize)))
            exStyle |= WS_EX_CONTEXTHELP;
    }
}

RECT FormPeer::OuterRect() const {
    DWORD style, exStyle;
    Styles(style, exStyle);
    ui::Size client = form_.ClientSize();
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int left = form_.Left(), top = form_.Top();
    return {left, top, left + (r.right - r.left), top + (r.bottom - r.top)};
}

void FormPeer::ApplyStyles() {
    DWORD style, exStyle;
    Styles(style, exStyle);
    if (IsWindowVisible(hwnd_)) style |= WS_VISIBLE;
    if (!form_.Enabled()) style |= WS_DISABLED;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    RECT r = OuterRect();
    SetWindowPos(hwnd_, form_.StayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top,
                 r.right - r.left, r.bottom - r.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

void FormPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Bounds: {
            ui::Rect b = form_.Bounds();
            SetWindowPos(hwnd_, nullptr, b.left, b.top, b.Width(), b.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
        case ui::Change::ClientSize:
        case ui::Change::Style:
            ApplyStyles();
            if (IsWindowVisible(hwnd_)) ShowInState();
            return;
        case ui::Change::Visible:
            if (form_.Visible()) {
                if (!form_.Positioned()) form_.ApplyPosition();
                ShowInState();
            } else {
                // Shown again later, the window opens as the user left it.
                if (IsWindowVisible(hwnd_)) form_.PeerWindowStateChanged(LeftState());
                GiveActivationToOwner();
                ShowWindow(hwnd_, SW_HIDE);
            }
            return;
        case ui::Change::Enabled:
            WindowPeer::Changed(what);
            // A window kept disabled while another of the program's windows showed could not
            // take the activation when that one closed: the keyboard went nowhere, or to a
            // window no one sees. Enabled again while the program has no visible active
            // window, it takes it.
            if (form_.Enabled() && IsWindowVisible(hwnd_) && !IsIconic(hwnd_)) {
                const HWND active = GetActiveWindow();
                if (active == nullptr || !IsWindowVisible(active)) SetActiveWindow(hwnd_);
            }
            return;
        default:
            WindowPeer::Changed(what);
    }
}

ui::WindowState FormPeer::LeftState() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(hwnd_, &placement)) return form_.GetWindowState();
    // A minimised window counts as what it would be restored to.
    const bool maximized =
        placement.showCmd == SW_SHOWMAXIMIZED ||
        (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
    return maximized ? ui::WindowState::Maximized : ui::WindowState::Normal;
}

void FormPeer::GiveActivationToOwner() const {
    const HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner && GetActiveWindow() == hwnd_ && IsWindowVisible(owner) && IsWindowEnabled(owner) &&
        !IsIconic(owner))
        SetActiveWindow(owner);
}

void FormPeer::ShowInState() {
    switch (form_.GetWindowState()) {
        case ui::WindowState::Maximized:
            ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
            break;
        case ui::WindowState::Minimized:
            ShowWindow(hwnd_, SW_SHOWMINIMIZED);
            break;
        case ui::WindowState::Normal:
            ShowWindow(hwnd_, SW_SHOWNORMAL);
            break;
    }
}

void FormPeer::AnimateHide(int milliseconds) {
    AnimateWindow(hwnd_, static_cast<DWORD>(milliseconds), AW_HIDE | AW_BLEND);
}

void FormPeer::Show(ui::ShowCommand how) {
    ShowWindow(hwnd_, how == ui::ShowCommand::Normal ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE);
}

void FormPeer::Activate() {
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
}

bool FormPeer::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    return form_.HandleShortcut(static_cast<int>(msg.wParam), KeyShift());
}

LRESULT FormPeer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            form_.Close();
            return 0;
        case WM_QUERYENDSESSION:
            // Nothing here holds the session up. The end's writes wait for WM_ENDSESSION: another
            // program may still refuse, and then this one goes on as before.
            return TRUE;
        case WM_ENDSESSION:
            // Every top-level window hears it; the application runs the end once. The system
            // may end the process as soon as this returns, so the writes are done by then.
            if (wParam) form_.App().EndSession();
            return 0;
        case WM_WINDOWPOSCHANGED: {
            RECT window, client;
            GetWindowRect(hwnd_, &window);
            GetClientRect(hwnd_, &client);
            form_.PeerMoved({window.left, window.top, window.right, window.bottom});
            if (!IsIconic(hwnd_)) form_.PeerResized({client.right, client.bottom});
            break;
        }
        case WM_SYSCOLORCHANGE:
            // Only top-level windows get it: tell the controls, and pass it on to the
            // native child controls, which need it too.
            form_.SystemColorsChanged();
            EnumChildWindows(
                hwnd_,
                [](HWND child, LPARAM) -> BOOL {
                    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
                    return TRUE;
                },
                0);
            return 0;
        case WM_ACTIVATE:
            // Give focus back to the control that had it.
            if (LOWORD(wParam) != WA_INACTIVE) {
                ui::Control* active = form_.ActiveControl();
                if (active && active->CanFocus()) {
                    active->SetFocus();
                    return 0;
                }
            }
            break;
        default:
            break;
    }
    return WindowPeer::HandleMessage(msg, wParam, lParam);
}

}  // namespace platform::win32
