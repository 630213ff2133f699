#pragma once
// What the two list view peers (the report list and the shell folder view) do alike on their
// SysListView32: the model's selection and colours pushed to it, font and colour changes, and
// the user's selection reported back to the model (never the selection the peer itself set).

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/ui/list_view_messages.h"
#include "platform/win32/ui/native_control_peer.h"
#include "ui/application.h"

namespace platform::win32 {

// VIEW: the model, with ItemIndex(), SetItemIndexFromPeer(int), GetColor() and GetFont().
template <typename View>
class ListViewPeerBase : public NativeControlPeer {
  protected:
    ListViewPeerBase(Win32State& state, View& view) : NativeControlPeer(state, view), view_(view) {}

    void PushSelection() {
        if (list_view::SelectedIndex(hwnd_) == view_.ItemIndex()) return;
        pushing_ = true;
        list_view::Select(hwnd_, view_.ItemIndex());
        pushing_ = false;
    }

    void PushColors() {
        list_view::SetColors(hwnd_, state_.colors.Resolve(view_.GetColor()),
                             state_.colors.Resolve(view_.GetFont().color));
    }

    // A font or colour change pushed; false for any other change.
    bool PushLook(ui::Change what) {
        if (what == ui::Change::Font) {
            PushFont();
            PushColors();  // the text colour is part of the font
            return true;
        }
        if (what == ui::Change::BackColor) {
            PushColors();
            return true;
        }
        return false;
    }

    // LVN_ITEMCHANGED while the peer is not pushing: a selection the user made.
    bool ReflectSelection(UINT msg, LPARAM lParam, LRESULT& result) {
        if (msg != WM_NOTIFY || !hwnd_ || pushing_) return false;
        if (reinterpret_cast<const NMHDR*>(lParam)->code != LVN_ITEMCHANGED) return false;
        if (list_view::IsSelectionChange(lParam))
            view_.SetItemIndexFromPeer(list_view::SelectedIndex(hwnd_));
        result = 0;
        return true;
    }

    View& view_;
    bool pushing_ = false;  // true while the peer changes the rows or the selection itself
};

}  // namespace platform::win32
