#pragma once
// The interface a toolkit backend implements. Two exist: the Win32 backend (real windows,
// GDI, the message loop) and the headless backend (no screen, for tests).
//
// Standard controls reach their peers through PeerFactory (typed double dispatch).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/accessibility.h"
#include "ui/bitmap.h"
#include "ui/color.h"
#include "ui/geometry.h"
#include "ui/input.h"

namespace ui {

class Canvas;
class Control;
class Form;
class PeerFactory;
class PopupMenu;
class SaveDialog;
class Timer;

// What changed in a control, for its peer to mirror.
enum class Change {
    Bounds,
    ClientSize,
    Visible,
    Enabled,
    Caption,
    Font,
    BackColor,
    Hint,
    Cursor,
    Model,
    Style
};

// How the application's own top-level window is shown, as the platform's show commands do it.
enum class ShowCommand {
    Normal,              // shown in its normal state (restored when minimised)
    MinimizedNoActivate  // minimised without taking the focus
};

// The native side of one windowed control.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    // Mirror a change of the control's state.
    virtual void Changed(Change what) = 0;
    virtual void Invalidate(const Rect& r) = 0;
    virtual void Update() = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    virtual void SetCapture(bool capture) = 0;
    virtual Point ClientToScreen(Point p) const = 0;
    // Forms: fade out over MILLISECONDS and hide (AnimateWindow blend).
    virtual void AnimateHide(int milliseconds) { (void)milliseconds; }
    // Forms: bring to the front and activate.
    virtual void Activate() {}
    // Forms: show the window as HOW says.
    virtual void Show(ShowCommand how) { (void)how; }
    // Tells accessibility clients that WHAT changed about the window (when PART is 0) or its
    // window-less part number PART (1-based, in the order of Control::AccessibleParts).
    virtual void AccessibleEvent(AccessEvent what, int part) { (void)what, (void)part; }
    // The native window (an HWND on Windows) for platform calls that take an owner; null in
    // backends without native windows.
    virtual void* NativeHandle() const { return nullptr; }
};

// A job running on a thread of its own (Backend::StartJob).
class JobPeer {
  public:
    virtual ~JobPeer() = default;
    // Waits for the job to end.
    virtual void Join() = 0;
};

// The native side of a timer.
class TimerPeer {
  public:
    virtual ~TimerPeer() = default;
    // Called when the timer's interval, enabled state or handler changed.
    virtual void Reset() = 0;
};

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

// System sizes used to predict where a popup menu fits.
struct MenuMetrics {
    int borderWidth = 1;  // width of a window border line
    int itemHeight = 19;  // height of one menu item
};

class Backend {
  public:
    virtual ~Backend() = default;

    virtual const ColorResolver& Colors() const = 0;
    // Makes the peer of each kind of control (Control::Realize asks it through the control).
    virtual PeerFactory& Peers() = 0;
    virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;
    // A canvas for measuring text outside of painting.
    virtual std::unique_ptr<Canvas> CreateMeasureCanvas() = 0;

    virtual MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      MessageKind kind, MessageButtons buttons) = 0;
    // Runs DIALOG modal to OWNER; the chosen file name, or nullopt when the user cancelled.
    virtual std::optional<std::string> RunSaveDialog(const SaveDialog& dialog, Form& owner) = 0;
    // The same with the platform's file-open dialog: only a file that exists is chosen.
    virtual std::optional<std::string> RunOpenDialog(const SaveDialog& dialog, Form& owner) = 0;
    // Orders two texts (UTF-8) as the platform orders names in its own lists: without regard
    // to case, by the user's language. Negative when A comes first, 0 when they sort together,
    // positive when B comes first.
    virtual int CollateNoCase(std::string_view a, std::string_view b) const = 0;
    // The mouse pointer in screen coordinates, now.
    virtual Point CursorPos() const = 0;
    virtual Size ScreenSize() const = 0;
    // The application title (taskbar, message box captions).
    virtual void SetTitle(const std::string& title) = 0;

    // Runs TASK on the interface thread at its next turn, after every task posted before it;
    // any thread may post. A task never runs inside another: one that waits in a modal loop
    // (a message box) holds the later ones back until it returns, so their order stands.
    virtual void Post(std::function<void()> task) = 0;
    // Starts JOB away from the interface thread.
    virtual std::unique_ptr<JobPeer> StartJob(std::function<void()> job) = 0;

    virtual void RunMessageLoop() = 0;
    virtual void Terminate() = 0;
    // Handles pending messages and returns (used by long handlers that repaint).
    virtual void ProcessMessages() = 0;

    // Shows MENU with its reference corner at SCREEN (left, right or centre by the menu's
    // alignment), returns when it closes: the index of the chosen item, or -1.
    virtual int ShowPopupMenu(const PopupMenu& menu, Point screen) = 0;
    virtual MenuMetrics GetMenuMetrics() const = 0;

    // Replaces the platform's image for cursor WHICH with IMAGE (pixels of colour
    // TRANSPARENT are see-through), pointing at HOT_SPOT.
    virtual void SetCursorImage(Cursor which, const Bitmap& image, Color transparent,
                                Point hotSpot) = 0;
};

}  // namespace ui
