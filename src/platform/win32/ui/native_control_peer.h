#pragma once
// The base of the peers that wrap a system control class (list box, edit, list view): the
// control's font pushed to the window, one cached background brush for the colour messages,
// and the control's own painting over the native one after every paint (the XP-style frame).

#include <windows.h>

#include <functional>

#include "platform/win32/handles.h"
#include "platform/win32/ui/window_peer.h"

namespace platform::win32 {

class NativeControlPeer : public WindowPeer {
  public:
    NativeControlPeer(Win32State& state, ui::Control& control);
    // The window goes before the font and brush it uses.
    ~NativeControlPeer() override;

    void Changed(ui::Change what) override;
    // Invalidates the frame too, so that the painting over it follows.
    void Invalidate(const ui::Rect& r) override;

  protected:
    // Creates the window of CLASS_NAME and gives it the control's font.
    void CreateControl(const wchar_t* className, DWORD exStyle, DWORD style);
    void PushFont();
    // Answers a WM_CTLCOLOR* message: the control's text and background colours on DC, and the
    // brush of the background (made again only when the colour changed).
    LRESULT ColorMessage(HDC dc);
    // Invalidates R (the whole client when null) and the frame.
    void InvalidateWithFrame(const RECT* r);
    // The drawing messages of an owner-drawn list (list box, combo box): WM_DRAWITEM goes to
    // DRAW, WM_MEASUREITEM is answered with ITEM_HEIGHT, WM_CTLCOLORLISTBOX with the control's
    // colours. False for any other message.
    bool ReflectListDrawing(UINT msg, WPARAM wParam, LPARAM lParam, int itemHeight,
                            const std::function<void(const DRAWITEMSTRUCT&)>& draw,
                            LRESULT& result);
    bool HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    FontOwner font_;
    BrushOwner background_;
    COLORREF backgroundColor_ = CLR_INVALID;
};

}  // namespace platform::win32
