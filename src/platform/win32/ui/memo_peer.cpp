#include "platform/win32/ui/memo_peer.h"

#include <algorithm>
#include <vector>

#include "platform/win32/text.h"
#include "ui/memo.h"

namespace platform::win32 {

MemoPeer::MemoPeer(Win32State& state, ui::Memo& memo)
    : NativeControlPeer(state, memo), memo_(memo) {
    CreateControl(L"EDIT", WS_EX_CLIENTEDGE, Style());
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
    // The control takes its text as a C string: a NUL in a line would hide every line after
    // it, so each shows as a space.
    std::wstring text = Widen(memo_.Text());
    std::replace(text.begin(), text.end(), L'\0', L' ');
    pushing_ = true;
    SetWindowTextW(hwnd_, text.c_str());
    pushing_ = false;
}

void MemoPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Model:
            PushText();
            return;
        case ui::Change::Style:
            SendMessageW(hwnd_, EM_SETREADONLY, memo_.ReadOnly(), 0);
            return;
        default:
            NativeControlPeer::Changed(what);
    }
}

bool MemoPeer::Reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && !pushing_ && hwnd_) {
        int n = GetWindowTextLengthW(hwnd_);
        std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
        GetWindowTextW(hwnd_, buffer.data(), n + 1);
        memo_.SetTextFromPeer(Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(n))));
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) {
        result = ColorMessage(reinterpret_cast<HDC>(wParam));
        return true;
    }
    return false;
}

}  // namespace platform::win32
