#include "ui/headless/headless_backend.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/dispatch.h"
#include "ui/raster_canvas.h"
#include "ui/timer.h"

namespace ui {

class HeadlessBackend::Peer final : public ControlPeer {
public:
    Peer(HeadlessBackend& backend, Control& control) : backend_(backend), control_(control) {}
    ~Peer() override {
        if (backend_.focused_ == &control_) backend_.focused_ = nullptr;
        if (backend_.captured_ == &control_) backend_.captured_ = nullptr;
    }
    void Changed(Change what) override {
        if (what == Change::Visible || what == Change::Enabled) {
            if (backend_.focused_ && !backend_.focused_->CanFocus()) backend_.SetFocusTo(nullptr);
        }
    }
    void Invalidate(const Rect&) override { ++backend_.invalidations_; }
    void Update() override {}
    void SetFocus() override { backend_.SetFocusTo(&control_); }
    bool HasFocus() const override { return backend_.focused_ == &control_; }
    void SetCapture(bool capture) override {
        if (capture)
            backend_.captured_ = &control_;
        else if (backend_.captured_ == &control_)
            backend_.captured_ = nullptr;
    }
    Point ClientToScreen(Point p) const override {
        for (const Control* c = &control_; c; c = c->Parent()) p = p + c->Bounds().TopLeft();
        return p;
    }
    void AnimateHide(int) override { control_.Hide(); }

private:
    HeadlessBackend& backend_;
    Control& control_;
};

class HeadlessBackend::TimerSlot final : public TimerPeer {
public:
    TimerSlot(HeadlessBackend& backend, Timer& timer) : backend_(backend), timer_(timer) {
        backend_.timers_.push_back({&timer_, backend_.now_ + timer_.Interval()});
    }
    ~TimerSlot() override {
        auto& t = backend_.timers_;
        t.erase(std::remove_if(t.begin(), t.end(), [&](const TimerState& s) { return s.timer == &timer_; }),
                t.end());
    }
    void Reset() override {
        for (TimerState& s : backend_.timers_)
            if (s.timer == &timer_) s.due = backend_.now_ + timer_.Interval();
    }

private:
    HeadlessBackend& backend_;
    Timer& timer_;
};

namespace {
// A canvas for measuring that owns its one-pixel bitmap.
struct OnePixel {
    Bitmap bitmap{1, 1};
};
class OwningRasterCanvas final : private OnePixel, public RasterCanvas {
public:
    OwningRasterCanvas() : RasterCanvas(bitmap) {}
};
}  // namespace

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

const ColorResolver& HeadlessBackend::Colors() const { return DefaultColorResolver(); }

std::unique_ptr<ControlPeer> HeadlessBackend::CreatePeer(Control& control) {
    return std::make_unique<Peer>(*this, control);
}

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimerPeer(Timer& timer) {
    return std::make_unique<TimerSlot>(*this, timer);
}

std::unique_ptr<Canvas> HeadlessBackend::CreateMeasureCanvas() {
    return std::make_unique<OwningRasterCanvas>();
}

MessageResult HeadlessBackend::ShowMessage(const std::string& text, const std::string& caption,
                                           MessageKind kind, MessageButtons) {
    messages_.push_back({text, caption, kind});
    return nextAnswer;
}

int HeadlessBackend::ShowPopupMenu(const PopupMenu& menu, Point screen) {
    menus_.push_back({&menu, screen});
    if (OnMenuShown) OnMenuShown(menu);
    return nextMenuChoice;
}

void HeadlessBackend::RenderInto(Control& windowed, Bitmap& target, Point at) {
    RasterCanvas canvas(target, Colors());
    canvas.SetDeviceOrigin(at);
    canvas.SetOrigin(at);
    canvas.SetClip(windowed.ClientRect());
    windowed.PaintWindow(canvas);
    // Headless windows have no border: the whole window is the client area.
    windowed.PaintOverWindow(canvas, windowed.ClientRect());
    for (Control* child : windowed.Children()) {
        if (!child->IsWindowed() || !child->Visible()) continue;
        RenderInto(*child, target, at + child->Bounds().TopLeft());
    }
}

Bitmap HeadlessBackend::Render(Control& windowed) {
    Rect client = windowed.ClientRect();
    Bitmap bitmap(client.Width(), client.Height(), clWhite);
    RenderInto(windowed, bitmap, {0, 0});
    return bitmap;
}

Point HeadlessBackend::WindowPoint(Control& target, Point p, Control*& window) {
    window = target.WindowedAncestor();
    Point inWindow = p + target.OffsetInWindow();
    cursor_ = window->ClientToScreen(inWindow);
    return inWindow;
}

void HeadlessBackend::MoveMouse(Control& target, Point p, Shift s) {
    Control* window;
    Point wp = WindowPoint(target, p, window);
    window->DispatchMouseMove(s, wp);
}

void HeadlessBackend::MouseDown(Control& target, Point p, MouseButton b, Shift s) {
    Control* window;
    Point wp = WindowPoint(target, p, window);
    if (b == MouseButton::Left) s |= shift::kLeft;
    window->DispatchMouseDown(b, s, wp);
}

void HeadlessBackend::MouseUp(Control& target, Point p, MouseButton b, Shift s) {
    Control* window;
    Point wp = WindowPoint(target, p, window);
    window->DispatchMouseUp(b, s, wp);
}

void HeadlessBackend::Click(Control& target, Point p) {
    MoveMouse(target, p);
    MouseDown(target, p);
    MouseUp(target, p);
}

void HeadlessBackend::DoubleClick(Control& target, Point p) {
    // As the platform reports it: down, up, a double-click down, up.
    Click(target, p);
    MouseDown(target, p, MouseButton::Left, shift::kDouble);
    MouseUp(target, p);
}

void HeadlessBackend::MouseLeave(Control& target) {
    target.WindowedAncestor()->DispatchMouseLeave();
}

void HeadlessBackend::KeyDown(int key, Shift s) {
    if (focused_) DispatchKeyDown(*focused_, key, s);
}

void HeadlessBackend::KeyUp(int key, Shift s) {
    if (focused_) DispatchKeyUp(*focused_, key, s);
}

void HeadlessBackend::Char(char32_t ch, bool alt) {
    if (focused_) DispatchChar(*focused_, ch, alt);
}

void HeadlessBackend::PressKey(int key, Shift s) {
    KeyDown(key, s);
    if (key == key::kSpace) Char(U' ');
    KeyUp(key, s);
}

void HeadlessBackend::Focus(Control& control) { control.SetFocus(); }

void HeadlessBackend::SetFocusTo(Control* control) {
    Control* old = focused_;
    focused_ = control;
    DispatchFocusChange(old, control);
}

void HeadlessBackend::AdvanceTime(int milliseconds) {
    long long end = now_ + milliseconds;
    while (true) {
        // The earliest due enabled timer within the window.
        TimerState* next = nullptr;
        for (TimerState& s : timers_)
            if (s.timer->Enabled() && s.timer->Interval() > 0 && s.due <= end &&
                (!next || s.due < next->due))
                next = &s;
        if (!next) break;
        now_ = next->due;
        next->due = now_ + next->timer->Interval();
        next->timer->Fire();
    }
    now_ = end;
}

}  // namespace ui
