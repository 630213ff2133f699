#pragma once
// The native side of a windowed control: one HWND. Own windows (forms, self-painted controls)
// use the toolkit's window class; standard controls wrap a system class and are subclassed.
// The window procedure turns messages into toolkit events; every exception is caught at this
// boundary (Application::Guard) so none unwinds through the system.

#include <windows.h>

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

    HWND Hwnd() const { return hwnd_; }
    ui::Control& GetControl() const { return control_; }
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

    static LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Messages a parent forwards to its child control (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*).
    virtual bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Creates a window of the toolkit's own class.
    void CreateOwnWindow(DWORD exStyle, DWORD style, HWND parent, const RECT& r);
    // Creates a window of a system class and subclasses it.
    void CreateNativeWindow(const wchar_t* className, DWORD exStyle, DWORD style);
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
    void AddToolTip();

    Win32State& state_;
    ui::Control& control_;
    HWND hwnd_ = nullptr;
    bool native_ = false;
    bool trackingMouse_ = false;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
};

// Registers the toolkit's window class (once per process).
void RegisterWindowClass(HINSTANCE instance);

}  // namespace platform::win32
