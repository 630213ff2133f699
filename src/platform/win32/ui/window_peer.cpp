#include "platform/win32/ui/window_peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/text.h"
#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/dispatch.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kPeerProperty[] = L"SkarvelPeer";

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

ui::Shift KeyShift() {
    ui::Shift s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ui::shift::kShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ui::shift::kCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ui::shift::kAlt;
    return s;
}

LPCWSTR CursorResource(ui::Cursor c) {
    switch (c) {
        case ui::Cursor::Hand: return IDC_HAND;
        case ui::Cursor::IBeam: return IDC_IBEAM;
        case ui::Cursor::Wait: return IDC_WAIT;
        case ui::Cursor::Cross: return IDC_CROSS;
        case ui::Cursor::SizeWE: return IDC_SIZEWE;
        case ui::Cursor::SizeNS: return IDC_SIZENS;
        case ui::Cursor::No: return IDC_NO;
        default: return IDC_ARROW;
    }
}

}  // namespace

WindowPeer::WindowPeer(Win32State& state, ui::Control& control) : state_(state), control_(control) {}

WindowPeer::~WindowPeer() {
    if (!hwnd_) return;
    if (state_.focused == &control_) state_.focused = nullptr;
    if (native_) RemoveWindowSubclass(hwnd_, SubclassProc, 1);
    RemovePropW(hwnd_, kPeerProperty);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    auto tip = state_.toolTips.find(hwnd_);
    if (tip != state_.toolTips.end()) {
        DestroyWindow(tip->second);
        state_.toolTips.erase(tip);
    }
    DestroyWindow(hwnd_);
}

WindowPeer* WindowPeer::FromHwnd(HWND hwnd) {
    return static_cast<WindowPeer*>(GetPropW(hwnd, kPeerProperty));
}

HWND WindowPeer::ParentHwnd() const {
    ui::Control* parent = control_.Parent();
    ui::Control* window = parent ? parent->WindowedAncestor() : nullptr;
    auto* peer = window ? dynamic_cast<WindowPeer*>(window->Peer()) : nullptr;
    return peer ? peer->hwnd_ : nullptr;
}

RECT WindowPeer::ChildRect() const {
    ui::Rect b = control_.Bounds();
    ui::Point offset = control_.Parent() ? control_.Parent()->OffsetInWindow() : ui::Point{};
    return {b.left + offset.x, b.top + offset.y, b.right + offset.x, b.bottom + offset.y};
}

void WindowPeer::CreateOwnWindow(DWORD exStyle, DWORD style, HWND parent, const RECT& r) {
    hwnd_ = CreateWindowExW(exStyle, kWindowClass, Widen(control_.Caption()).c_str(), style, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                            state_.instance, this);
    SetPropW(hwnd_, kPeerProperty, this);
    AddToolTip();
}

void WindowPeer::CreateNativeWindow(const wchar_t* className, DWORD exStyle, DWORD style) {
    RECT r = ChildRect();
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    hwnd_ = CreateWindowExW(exStyle, className, Widen(control_.Caption()).c_str(),
                            style | WS_CHILD | WS_CLIPSIBLINGS, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, ParentHwnd(), nullptr, state_.instance, nullptr);
    native_ = true;
    SetPropW(hwnd_, kPeerProperty, this);
    SetWindowSubclass(hwnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    AddToolTip();
}

void WindowPeer::AddToolTip() {
    // The tool tip belongs to the top-level window; the text is asked for when it shows.
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    if (!top) top = hwnd_;
    HWND& tip = state_.toolTips[top];
    if (!tip) {
        tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, top,
                              nullptr, state_.instance, nullptr);
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
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

bool WindowPeer::HasFocus() const { return hwnd_ && GetFocus() == hwnd_; }

void WindowPeer::SetCapture(bool capture) {
    if (!hwnd_) return;
    if (capture)
        ::SetCapture(hwnd_);
    else if (GetCapture() == hwnd_)
        ReleaseCapture();
}

ui::Point WindowPeer::ClientToScreen(ui::Point p) const {
    POINT pt{p.x, p.y};
    ::ClientToScreen(hwnd_, &pt);
    return {pt.x, pt.y};
}

bool WindowPeer::Reflect(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void WindowPeer::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    {
        // Double buffered: paint everything off screen, then copy once.
        MemoryDC buffer(dc, client.right, client.bottom);
        {
            GdiCanvas canvas(buffer.Get(), state_.colors);
            control_.App().Guard([&] { control_.PaintWindow(canvas); });
        }
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, buffer.Get(), ps.rcPaint.left, ps.rcPaint.top,
               SRCCOPY);
    }
    EndPaint(hwnd_, &ps);
}

bool WindowPeer::HandleCommon(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    ui::Point p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    result = 0;
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
                ::SetCursor(own != state_.cursors.end() ? own->second
                                                        : LoadCursorW(nullptr, CursorResource(c)));
                result = TRUE;
                return true;
            }
            return false;
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lParam);
            if (hdr->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd_, &pt);
                static std::wstring text;  // must outlive the notification
                text = Widen(control_.HintAt({pt.x, pt.y}));
                info->lpszText = text.data();
                return true;
            }
            if (WindowPeer* child = FromHwnd(hdr->hwndFrom); child && child != this)
                return child->Reflect(msg, wParam, lParam, result);
            return false;
        }
        case WM_COMMAND:
            if (lParam) {
                if (WindowPeer* child = FromHwnd(reinterpret_cast<HWND>(lParam)); child && child != this)
                    return child->Reflect(msg, wParam, lParam, result);
            }
            return false;
        case WM_DRAWITEM: {
            // Owner-drawn child controls draw themselves.
            auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (draw && draw->CtlType != ODT_MENU) {
                if (WindowPeer* child = FromHwnd(draw->hwndItem); child && child != this)
                    return child->Reflect(msg, wParam, lParam, result);
            }
            return false;
        }
        case WM_THEMECHANGED:
            control_.App().Guard([&] { control_.ThemeChanged(); });
            return false;  // native controls reload their theme data too
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            if (WindowPeer* child = FromHwnd(reinterpret_cast<HWND>(lParam)); child && child != this)
                return child->Reflect(msg, wParam, lParam, result);
            return false;
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
            control_.DispatchMouseDown(ui::MouseButton::Left,
                                       MouseShift(wParam) | (msg == WM_LBUTTONDBLCLK ? ui::shift::kDouble : 0), p);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            control_.DispatchMouseDown(ui::MouseButton::Right,
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
    }
    auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!peer) return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        result = peer->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        peer->control_.App().ShowException(e);
    } catch (...) {
    }
    return result;
}

LRESULT CALLBACK WindowPeer::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto* peer = reinterpret_cast<WindowPeer*>(data);
    LRESULT result = 0;
    try {
        if (peer && peer->HandleNativeMessage(msg, wParam, lParam, result)) return result;
    } catch (const std::exception& e) {
        peer->control_.App().ShowException(e);
        return 0;
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// Registers the toolkit's window class (once per process).
void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowPeer::OwnWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

}  // namespace platform::win32
