#include "platform/win32/ui/window_peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/ui/control_accessible.h"
#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/dispatch.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kPeerProperty[] = L"SkarvelPeer";
constexpr UINT_PTR kSubclassId = 1;
// Child IDs: above the dialog manager's IDOK, IDCANCEL...; WM_COMMAND carries 16 bits of them.
constexpr UINT kFirstChildId = 100;
constexpr UINT kLastChildId = 0xFFFF;

UINT NextChildId(UINT id) {
    return id >= kLastChildId ? kFirstChildId : id + 1;
}

ui::Shift MouseShift(WPARAM wParam) {
    ui::Shift s = 0;
    if (wParam & MK_SHIFT) s |= ui::shift::kShift;
    if (wParam & MK_CONTROL) s |= ui::shift::kCtrl;
    if (wParam & MK_LBUTTON) s |= ui::shift::kLeft;
    if (wParam & MK_RBUTTON) s |= ui::shift::kRight;
    if (wParam & MK_MBUTTON) s |= ui::shift::kMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ui::shift::kAlt;
    return s;
}

LPCWSTR CursorResource(ui::Cursor c) {
    switch (c) {
        case ui::Cursor::Hand:
            return IDC_HAND;
        case ui::Cursor::IBeam:
            return IDC_IBEAM;
        case ui::Cursor::Wait:
            return IDC_WAIT;
        case ui::Cursor::Cross:
            return IDC_CROSS;
        case ui::Cursor::SizeWE:
            return IDC_SIZEWE;
        case ui::Cursor::SizeNS:
            return IDC_SIZENS;
        case ui::Cursor::No:
            return IDC_NO;
        default:
            return IDC_ARROW;
    }
}

}  // namespace

WindowPeer::WindowPeer(Win32State& state, ui::Control& control)
    : state_(state), control_(control), nextChildId_(kFirstChildId) {}

WindowPeer::~WindowPeer() {
    DestroyOwnedWindow();
    LeaveParent();
}

WindowPeer* WindowPeer::FromHwnd(HWND hwnd) {
    return static_cast<WindowPeer*>(GetPropW(hwnd, kPeerProperty));
}

namespace {
// The peer of the window CONTROL's window lives in: its windowed ancestor's.
WindowPeer* ParentPeerOf(const ui::Control& control) {
    ui::Control* parent = control.Parent();
    ui::Control* window = parent ? parent->WindowedAncestor() : nullptr;
    return window ? dynamic_cast<WindowPeer*>(window->Peer()) : nullptr;
}
}  // namespace

HWND WindowPeer::ParentHwnd() const {
    WindowPeer* parent = ParentPeerOf(control_);
    return parent ? parent->hwnd_ : nullptr;
}

RECT WindowPeer::ChildRect() const {
    ui::Rect b = control_.Bounds();
    ui::Point offset = control_.Parent() ? control_.Parent()->OffsetInWindow() : ui::Point{};
    return {b.left + offset.x, b.top + offset.y, b.right + offset.x, b.bottom + offset.y};
}

UINT WindowPeer::JoinParent() {
    WindowPeer* parent = ParentPeerOf(control_);
    if (!parent) return 0;
    UINT id = parent->nextChildId_;
    while (parent->children_.count(id)) id = NextChildId(id);
    parent->nextChildId_ = NextChildId(id);
    parent->children_[id] = this;
    parentPeer_ = parent;
    childId_ = id;
    return id;
}

void WindowPeer::LeaveParent() {
    if (parentPeer_) parentPeer_->children_.erase(childId_);
    parentPeer_ = nullptr;
    childId_ = 0;
}

WindowPeer* WindowPeer::ReflectionTarget(UINT msg, WPARAM wParam, LPARAM lParam) const {
    UINT id = 0;
    HWND from = nullptr;
    switch (msg) {
        case WM_COMMAND:
            if (!lParam) return nullptr;  // menus and accelerators
            id = LOWORD(wParam);
            from = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<const NMHDR*>(lParam);
            id = static_cast<UINT>(header->idFrom);
            from = header->hwndFrom;
            break;
        }
        case WM_DRAWITEM: {
            auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType == ODT_MENU) return nullptr;
            id = draw->CtlID;
            from = draw->hwndItem;
            break;
        }
        case WM_MEASUREITEM: {
            // Sent while the child is being created: its ID is all there is to go by.
            auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType == ODT_MENU) return nullptr;
            id = measure->CtlID;
            break;
        }
        case WM_COMPAREITEM: {
            auto* compare = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
            id = compare->CtlID;
            from = compare->hwndItem;
            break;
        }
        case WM_DELETEITEM: {
            auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
            id = item->CtlID;
            from = item->hwndItem;
            break;
        }
        default:  // WM_CTLCOLOR*: the child's window in LPARAM
            from = reinterpret_cast<HWND>(lParam);
            id = static_cast<UINT>(GetDlgCtrlID(from));
            break;
    }
    auto it = children_.find(id);
    if (it == children_.end()) return nullptr;
    WindowPeer* child = it->second;
    // A window of ours must be the one that sent it (a foreign window may use the same ID).
    if (from && child->hwnd_ && child->hwnd_ != from) return nullptr;
    return child;
}

HWND WindowPeer::CheckCreated(HWND hwnd, const char* what) {
    if (hwnd) return hwnd;
    DWORD error = GetLastError();
    LeaveParent();
    throw std::runtime_error("Cannot create " + std::string(what) + " window. " +
                             SystemErrorText(error));
}

void WindowPeer::CreateOwnWindow(DWORD exStyle, DWORD style, HWND parent, const RECT& r) {
    UINT id = (style & WS_CHILD) ? JoinParent() : 0;
    HMENU menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    // WM_NCCREATE stores the handle in hwnd_ and the peer in the window.
    HWND hwnd = CreateWindowExW(exStyle, kWindowClass, Widen(control_.Caption()).c_str(), style,
                                r.left, r.top, r.right - r.left, r.bottom - r.top, parent, menuOrId,
                                state_.instance, this);
    hwnd_ = CheckCreated(hwnd, "a");
}

void WindowPeer::CreateNativeWindow(const wchar_t* className, DWORD exStyle, DWORD style) {
    RECT r = ChildRect();
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    HWND parent = ParentHwnd();
    UINT id = JoinParent();
    HWND hwnd = CreateWindowExW(
        exStyle, className, Widen(control_.Caption()).c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
        r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), state_.instance, nullptr);
    hwnd_ = CheckCreated(hwnd, Narrow(className).c_str());
    native_ = true;
    SetPropW(hwnd_, kPeerProperty, this);
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void WindowPeer::DestroyOwnedWindow() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    // Detached first: the control, which may be half destroyed, hears nothing of the end.
    if (native_)
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    else
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    ForgetWindow();
    DestroyWindow(hwnd);
}

void WindowPeer::ForgetWindow() {
    if (!hwnd_) return;
    if (state_.focused == &control_) state_.focused = nullptr;
    RemovePropW(hwnd_, kPeerProperty);
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    auto tip = state_.toolTips.find(top);
    if (tip != state_.toolTips.end()) {
        if (top == hwnd_) {
            // The tool tip is owned by this window and goes with it.
            state_.toolTips.erase(tip);
        } else if (IsWindow(tip->second)) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            info.hwnd = hwnd_;
            info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
            SendMessageW(tip->second, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    LeaveParent();
    hwnd_ = nullptr;
}

void WindowPeer::AddToolTip(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The tool tip belongs to the top-level window; the text is asked for when it shows.
    toolAdded_ = true;
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    if (!top) top = hwnd_;
    HWND& tip = state_.toolTips[top];
    if (!tip) {
        // Owned by the top-level window, which destroys it with itself.
        tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, top, nullptr, state_.instance, nullptr);
        if (!tip) {
            DWORD error = GetLastError();
            state_.toolTips.erase(top);
            throw std::runtime_error("Cannot create a tool tip window. " + SystemErrorText(error));
        }
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    // From now on the tool tip sees the mouse messages itself; this one it is told of.
    const DWORD at = GetMessagePos();
    MSG relay{};
    relay.hwnd = hwnd_;
    relay.message = msg;
    relay.wParam = wParam;
    relay.lParam = lParam;
    relay.time = static_cast<DWORD>(GetMessageTime());
    relay.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
}

void WindowPeer::Changed(ui::Change what) {
    if (!hwnd_) return;
    switch (what) {
        case ui::Change::Bounds:
        case ui::Change::ClientSize: {
            RECT r = ChildRect();
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ui::Change::Visible:
            ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(hwnd_, control_.Enabled());
            break;
        case ui::Change::Caption:
            SetWindowTextW(hwnd_, Widen(control_.Caption()).c_str());
            break;
        case ui::Change::Hint: {
            HWND top = GetAncestor(hwnd_, GA_ROOT);
            auto tip = state_.toolTips.find(top);
            if (tip != state_.toolTips.end()) {
                SendMessageW(tip->second, TTM_POP, 0, 0);
                SendMessageW(tip->second, TTM_UPDATE, 0, 0);
            }
            break;
        }
        default:
            InvalidateRect(hwnd_, nullptr, FALSE);
            break;
    }
}

void WindowPeer::Invalidate(const ui::Rect& r) {
    if (!hwnd_) return;
    RECT rc{r.left, r.top, r.right, r.bottom};
    InvalidateRect(hwnd_, &rc, FALSE);
}

void WindowPeer::Update() {
    if (hwnd_) UpdateWindow(hwnd_);
}

void WindowPeer::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

bool WindowPeer::HasFocus() const {
    return hwnd_ && GetFocus() == hwnd_;
}

void WindowPeer::SetCapture(bool capture) {
    if (!hwnd_) return;
    if (capture)
        ::SetCapture(hwnd_);
    else if (GetCapture() == hwnd_)
        ReleaseCapture();
}

void WindowPeer::AccessibleEvent(ui::AccessEvent what, int part) {
    if (hwnd_) RaiseAccessibleEvent(hwnd_, what, part);
}

ui::Point WindowPeer::ClientToScreen(ui::Point p) const {
    POINT pt{p.x, p.y};
    ::ClientToScreen(hwnd_, &pt);
    return {pt.x, pt.y};
}

bool WindowPeer::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool WindowPeer::PreTranslate(MSG&) {
    return false;
}

void WindowPeer::Paint() {
    PaintDc paint(hwnd_);
    RECT client;
    GetClientRect(hwnd_, &client);
    // Double buffered: paint everything off screen, then copy once.
    MemoryDC buffer(paint.get(), client.right, client.bottom);
    {
        GdiCanvas canvas(buffer.Get(), state_.colors);
        control_.PaintWindow(canvas);
    }
    const RECT& dirty = paint.Dirty();
    BitBlt(paint.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           buffer.Get(), dirty.left, dirty.top, SRCCOPY);
}

bool WindowPeer::HandleCommon(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    ui::Point p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    result = 0;
    // A window joins its tool tip when the mouse first comes over it: the windows no one has
    // pointed at cost the tool tip nothing.
    if (msg == WM_MOUSEMOVE && !toolAdded_) AddToolTip(msg, wParam, lParam);
    switch (msg) {
        case WM_SETFOCUS: {
            ui::Control* old = state_.focused;
            state_.focused = &control_;
            ui::DispatchFocusChange(old, &control_);
            return false;  // native controls still need it
        }
        case WM_KILLFOCUS: {
            HWND next = reinterpret_cast<HWND>(wParam);
            if (!next || !FromHwnd(next)) {
                if (state_.focused == &control_) state_.focused = nullptr;
                ui::DispatchFocusChange(&control_, nullptr);
            }
            return false;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd_) {
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd_, &pt);
                ui::Cursor c = control_.CursorAt({pt.x, pt.y});
                if (c == ui::Cursor::Default && native_) return false;
                auto own = state_.cursors.find(c);
                ::SetCursor(own != state_.cursors.end() ? own->second.get()
                                                        : LoadCursorW(nullptr, CursorResource(c)));
                result = TRUE;
                return true;
            }
            return false;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd_, &pt);
                toolTipText_ = Widen(control_.HintAt({pt.x, pt.y}));
                info->lpszText = toolTipText_.data();
                return true;
            }
            [[fallthrough]];
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_COMPAREITEM:
        case WM_DELETEITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            if (WindowPeer* child = ReflectionTarget(msg, wParam, lParam))
                return child->Reflect(msg, wParam, lParam, result);
            return false;
        case WM_GETOBJECT:
            // Own windows describe their control to screen readers; native ones answer alone.
            if (native_ || static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) ||
                !HasOwnAccessible(control_))
                return false;
            result = AnswerClientObject(hwnd_, wParam);
            return result != 0;
        case WM_THEMECHANGED:
            ui::DispatchThemeChanged(control_);
            // Handled (result 0); native controls still reload their own theme data.
            return !native_;
        default:
            break;
    }
    if (native_) {
        // Keys of native controls: only the form's dialog keys are taken here.
        if (msg == WM_KEYDOWN && (wParam == VK_TAB || wParam == VK_ESCAPE || wParam == VK_RETURN)) {
            if (!control_.WantsKey(static_cast<int>(wParam)))
                return ui::DispatchKeyDown(control_, static_cast<int>(wParam), KeyShift());
        }
        if (msg == WM_SYSCHAR && wParam != L' ') {
            ui::DispatchChar(control_, static_cast<char32_t>(wParam), true);
            return true;
        }
        return false;
    }
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!trackingMouse_) {
                TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, hwnd_, 0};
                trackingMouse_ = TrackMouseEvent(&t) != FALSE;
            }
            control_.DispatchMouseMove(MouseShift(wParam), p);
            return true;
        case WM_MOUSELEAVE:
            trackingMouse_ = false;
            control_.DispatchMouseLeave();
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (control_.TabStop() && control_.CanFocus() && GetFocus() != hwnd_) ::SetFocus(hwnd_);
            control_.DispatchMouseDown(
                ui::MouseButton::Left,
                MouseShift(wParam) | (msg == WM_LBUTTONDBLCLK ? ui::shift::kDouble : 0), p);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            control_.DispatchMouseDown(
                ui::MouseButton::Right,
                MouseShift(wParam) | (msg == WM_RBUTTONDBLCLK ? ui::shift::kDouble : 0), p);
            return true;
        case WM_MBUTTONDOWN:
            control_.DispatchMouseDown(ui::MouseButton::Middle, MouseShift(wParam), p);
            return true;
        case WM_LBUTTONUP:
            control_.DispatchMouseUp(ui::MouseButton::Left, MouseShift(wParam), p);
            return true;
        case WM_RBUTTONUP:
            control_.DispatchMouseUp(ui::MouseButton::Right, MouseShift(wParam), p);
            return true;
        case WM_MBUTTONUP:
            control_.DispatchMouseUp(ui::MouseButton::Middle, MouseShift(wParam), p);
            return true;
        case WM_KEYDOWN:
            ui::DispatchKeyDown(control_, static_cast<int>(wParam), KeyShift());
            return true;
        case WM_KEYUP:
            ui::DispatchKeyUp(control_, static_cast<int>(wParam), KeyShift());
            return true;
        case WM_CHAR:
            ui::DispatchChar(control_, static_cast<char32_t>(wParam), false);
            return true;
        case WM_SYSCHAR:
            if (wParam == L' ') return false;  // Alt+Space opens the system menu
            ui::DispatchChar(control_, static_cast<char32_t>(wParam), true);
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTTAB;
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT:
            Paint();
            return true;
        case WM_CAPTURECHANGED:
            return false;
        default:
            return false;
    }
}

LRESULT WindowPeer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleCommon(msg, wParam, lParam, result)) return result;
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

bool WindowPeer::HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return HandleCommon(msg, wParam, lParam, result);
}

LRESULT CALLBACK WindowPeer::OwnWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* peer = static_cast<WindowPeer*>(create->lpCreateParams);
        peer->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
        SetPropW(hwnd, kPeerProperty, peer);
    }
    auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!peer) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        peer->ForgetWindow();
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    peer->control_.App().Guard([&] { result = peer->HandleMessage(msg, wParam, lParam); });
    return result;
}

LRESULT CALLBACK WindowPeer::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto* peer = reinterpret_cast<WindowPeer*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        peer->ForgetWindow();
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    bool handled = false;
    bool failed = true;
    peer->control_.App().Guard([&] {
        handled = peer->HandleNativeMessage(msg, wParam, lParam, result);
        failed = false;
    });
    // A message whose handling failed is not passed on either.
    if (handled || failed) return result;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

ui::Shift KeyShift() {
    ui::Shift s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ui::shift::kShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ui::shift::kCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ui::shift::kAlt;
    return s;
}

bool OfferBeforeTranslation(MSG& msg) {
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        if (WindowPeer* peer = WindowPeer::FromHwnd(h)) {
            bool taken = false;
            peer->GetControl().App().Guard([&] { taken = peer->PreTranslate(msg); });
            if (taken) return true;
        }
        if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;  // the top-level window
    }
    return false;
}

// Registers the toolkit's window class (once per process).
void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowPeer::OwnWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The program's own icon; the system's default where the executable has none (tests).
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

}  // namespace platform::win32
