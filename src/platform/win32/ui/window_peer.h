#pragma once
// The native side of a windowed control: one HWND. Own windows (forms, self-painted controls)
// use the toolkit's window class; standard controls wrap a system class and are subclassed
// (NativeControlPeer).
//
// Lifetime: the peer stores itself at WM_NCCREATE and forgets its handle at WM_NCDESTROY, so a
// window the system destroyed first (with its parent) is never touched again. A child window
// gets an ID unique under its parent, registered before CreateWindowExW: a control may ask its
// parent for WM_MEASUREITEM while it is being created. The parent reflects the notifications of
// its children to them by that ID.
//
// Exceptions: the window procedures are where the platform calls into the program; each catches
// what the program raises and hands it to the application's error report, so nothing unwinds
// through the system.

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/ui/win32_state.h"
#include "ui/backend.h"

namespace ui {
class Control;
}

namespace platform::win32 {

class WindowPeer : public ui::ControlPeer {
  public:
    WindowPeer(Win32State& state, ui::Control& control);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    // Null before creation and after the window was destroyed.
    HWND Hwnd() const { return hwnd_; }
    ui::Control& GetControl() const { return control_; }
    // The ID of this child window under its parent (0 for top-level windows).
    UINT ChildId() const { return childId_; }
    static WindowPeer* FromHwnd(HWND hwnd);

    // ui::ControlPeer
    void Changed(ui::Change what) override;
    void Invalidate(const ui::Rect& r) override;
    void Update() override;
    void SetFocus() override;
    bool HasFocus() const override;
    void SetCapture(bool capture) override;
    ui::Point ClientToScreen(ui::Point p) const override;
    void* NativeHandle() const override { return hwnd_; }
    void AccessibleEvent(ui::AccessEvent what, int part) override;

    static LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // A notification of this child that its parent passes on (WM_COMMAND, WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*...); true when handled, with RESULT. May come
    // during creation, before Hwnd() is known.
    virtual bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The message loop offers every message to the peers of its window and that window's
    // ancestors, innermost first, before translating and dispatching it (a hosted control takes
    // its Tab, Enter and accelerators here). True when taken: the message goes no further.
    virtual bool PreTranslate(MSG& msg);

  protected:
    // Creates a window of the toolkit's own class. Raises the system's error text on failure.
    void CreateOwnWindow(DWORD exStyle, DWORD style, HWND parent, const RECT& r);
    // Creates a child window of a system class and subclasses it. Raises on failure.
    void CreateNativeWindow(const wchar_t* className, DWORD exStyle, DWORD style);
    // Destroys the window now. Peers that own what the window borrows (fonts, brushes) call it
    // in their destructor, before those go.
    void DestroyOwnedWindow();
    // The parent HWND and the rectangle of a child control within it.
    HWND ParentHwnd() const;
    RECT ChildRect() const;
    // Handles a message of an own window; the default does input, painting and reflection.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Handles a message of a subclassed native window; return false to pass it on.
    virtual bool HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Input, focus, cursor and tool tips common to both kinds; false when not handled.
    bool HandleCommon(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Paint();

    Win32State& state_;
    ui::Control& control_;
    HWND hwnd_ = nullptr;
    bool native_ = false;
    bool trackingMouse_ = false;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    // Registers this peer under its parent window's peer and returns the new ID (0: none).
    UINT JoinParent();
    void LeaveParent();
    // The child to reflect MSG to, by its ID; null when it is none of ours.
    WindowPeer* ReflectionTarget(UINT msg, WPARAM wParam, LPARAM lParam) const;
    HWND CheckCreated(HWND hwnd, const char* what);
    // Registers the window with its top-level window's tool tip (made then if need be) and
    // hands the tool tip the mouse message MSG that brought it.
    void AddToolTip(UINT msg, WPARAM wParam, LPARAM lParam);
    // The bookkeeping when the window is gone (WM_NCDESTROY) or about to go.
    void ForgetWindow();

    WindowPeer* parentPeer_ = nullptr;
    UINT childId_ = 0;
    std::map<UINT, WindowPeer*> children_;
    UINT nextChildId_;
    std::wstring toolTipText_;  // outlives the tool tip's request for it
    bool toolAdded_ = false;
};

// The modifier keys held with the key message being handled.
ui::Shift KeyShift();

// Offers MSG to WindowPeer::PreTranslate of its window and that window's ancestors; true when
// one took it. The message loops call it before TranslateMessage.
bool OfferBeforeTranslation(MSG& msg);

// Registers the toolkit's window class (once per process).
void RegisterWindowClass(HINSTANCE instance);

}  // namespace platform::win32
