#include "platform/win32/ui/memo_peer.h"

#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "platform/win32/ui/paint_over.h"
#include "ui/memo.h"

namespace platform::win32 {

MemoPeer::MemoPeer(Win32State& state, ui::Memo& memo) : WindowPeer(state, memo), memo_(memo) {
    CreateNativeWindow(L"EDIT", WS_EX_CLIENTEDGE, Style());
    PushFont();
    PushText();
}

DWORD MemoPeer::Style() const {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_TABSTOP;
    if (memo_.ReadOnly()) style |= ES_READONLY;
    if (!memo_.WordWrap()) style |= ES_AUTOHSCROLL;
    ui::ScrollBars s = memo_.GetScrollBars();
    if (s == ui::ScrollBars::Vertical || s == ui::ScrollBars::Both) style |= WS_VSCROLL;
    if (s == ui::ScrollBars::Horizontal || s == ui::ScrollBars::Both) style |= WS_HSCROLL;
    return style;
}

void MemoPeer::PushText() {
    pushing_ = true;
    SetWindowTextW(hwnd_, Widen(memo_.Text()).c_str());
    pushing_ = false;
}

void MemoPeer::PushFont() {
    font_ = GdiCanvas::CreateGdiFont(memo_.GetFont());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void MemoPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Model:
            PushText();
            return;
        case ui::Change::Font:
            PushFont();
            return;
        case ui::Change::Style:
            SendMessageW(hwnd_, EM_SETREADONLY, memo_.ReadOnly(), 0);
            return;
        default:
            WindowPeer::Changed(what);
    }
}

bool MemoPeer::Reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && !pushing_) {
        int n = GetWindowTextLengthW(hwnd_);
        std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
        GetWindowTextW(hwnd_, buffer.data(), n + 1);
        memo_.SetTextFromPeer(Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(n))));
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ui::Color back = state_.colors.Resolve(memo_.GetColor());
        SetTextColor(dc, state_.colors.Resolve(memo_.GetFont().color));
        SetBkColor(dc, back);
        background_.reset(CreateSolidBrush(back));
        result = reinterpret_cast<LRESULT>(background_.get());
        return true;
    }
    return false;
}

// The control draws over the native painting (the XP memo's frame over the sunken border).
bool MemoPeer::HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_PAINT || msg == WM_NCPAINT) {
        result = PaintNativeThenOver(hwnd_, msg, wParam, lParam, control_, state_.colors);
        return true;
    }
    return WindowPeer::HandleNativeMessage(msg, wParam, lParam, result);
}

}  // namespace platform::win32
