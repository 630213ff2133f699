#include "platform/win32/ui/native_control_peer.h"

#include <commctrl.h>

#include "platform/win32/ui/gdi_canvas.h"
#include "ui/control.h"

namespace platform::win32 {

NativeControlPeer::NativeControlPeer(Win32State& state, ui::Control& control)
    : WindowPeer(state, control) {}

NativeControlPeer::~NativeControlPeer() {
    DestroyOwnedWindow();
}

void NativeControlPeer::CreateControl(const wchar_t* className, DWORD exStyle, DWORD style) {
    CreateNativeWindow(className, exStyle, style);
    PushFont();
}

void NativeControlPeer::PushFont() {
    FontOwner font = GdiCanvas::CreateGdiFont(control_.GetFont());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);  // the old font goes once the window no longer uses it
}

LRESULT NativeControlPeer::ColorMessage(HDC dc) {
    COLORREF back = state_.colors.Resolve(control_.GetColor());
    SetTextColor(dc, state_.colors.Resolve(control_.GetFont().color));
    SetBkColor(dc, back);
    if (!background_ || back != backgroundColor_) {
        background_.reset(CreateSolidBrush(back));
        backgroundColor_ = back;
    }
    return reinterpret_cast<LRESULT>(background_.get());
}

bool NativeControlPeer::ReflectListDrawing(UINT msg, WPARAM wParam, LPARAM lParam, int itemHeight,
                                           const std::function<void(const DRAWITEMSTRUCT&)>& draw,
                                           LRESULT& result) {
    switch (msg) {
        case WM_DRAWITEM:
            draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                static_cast<UINT>(itemHeight);
            result = TRUE;
            return true;
        case WM_CTLCOLORLISTBOX:
            result = ColorMessage(reinterpret_cast<HDC>(wParam));
            return true;
        default:
            return false;
    }
}

void NativeControlPeer::InvalidateWithFrame(const RECT* r) {
    if (hwnd_) RedrawWindow(hwnd_, r, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

void NativeControlPeer::Invalidate(const ui::Rect& r) {
    RECT rc{r.left, r.top, r.right, r.bottom};
    InvalidateWithFrame(&rc);
}

void NativeControlPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Font:
            PushFont();
            return;
        case ui::Change::BackColor:
            InvalidateWithFrame(nullptr);
            return;
        default:
            WindowPeer::Changed(what);
    }
}

bool NativeControlPeer::HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam,
                                            LRESULT& result) {
    if (msg == WM_PAINT || msg == WM_NCPAINT) {
        // The system class paints, then the control over the whole window.
        result = DefSubclassProc(hwnd_, msg, wParam, lParam);
        WindowDc dc(hwnd_, WindowDc::Area::Window);
        if (!dc.get()) return true;
        RECT window;
        GetWindowRect(hwnd_, &window);
        GdiCanvas canvas(dc.get(), state_.colors);
        control_.PaintOverWindow(canvas,
                                 {0, 0, window.right - window.left, window.bottom - window.top});
        return true;
    }
    return WindowPeer::HandleNativeMessage(msg, wParam, lParam, result);
}

}  // namespace platform::win32
