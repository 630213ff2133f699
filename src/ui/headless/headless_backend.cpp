#include "ui/headless/headless_backend.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/color_box.h"
#include "ui/dispatch.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/memo.h"
#include "ui/progress_bar.h"
#include "ui/raster_canvas.h"
#include "ui/save_dialog.h"
#include "ui/scroll_box.h"
#include "ui/shell_list_view.h"
#include "ui/thread_job.h"
#include "ui/timer.h"
#include "ui/web_browser.h"

namespace ui {

class HeadlessBackend::Peer final : public ControlPeer {
  public:
    Peer(HeadlessBackend& backend, Control& control, std::string_view kind)
        : backend_(backend), control_(control), kind_(kind) {}
    std::string_view Kind() const { return kind_; }
    ~Peer() override {
        if (backend_.focused_ == &control_) backend_.focused_ = nullptr;
        if (backend_.captured_ == &control_) backend_.captured_ = nullptr;
    }
    void Changed(Change what) override {
        if (what == Change::Visible || what == Change::Enabled) {
            if (backend_.focused_ && !backend_.focused_->CanFocus()) {
                backend_.SetFocusTo(nullptr);
                // A window that hides while it has the keyboard hands the activation to the
                // main window, as the platform gives it to the owner.
                Form* main = control_.App().MainForm();
                if (what == Change::Visible && &control_ != main && !control_.Parent() && main &&
                    main->Peer() && main->CanFocus())
                    main->Peer()->Activate();
            }
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
    void AnimateHide(int milliseconds) override {
        backend_.fades_.push_back({&control_, milliseconds});
        control_.Hide();
    }
    void Show(ShowCommand how) override { backend_.shows_.push_back({&control_, how}); }
    // As the platform does for an activated window: the keyboard goes to the control that had
    // the focus in it, else to the window itself.
    void Activate() override {
        Form* form = control_.GetForm();
        Control* active = form ? form->ActiveControl() : nullptr;
        backend_.SetFocusTo(active && active->CanFocus() ? active : &control_);
    }

  private:
    HeadlessBackend& backend_;
    Control& control_;
    std::string_view kind_;
};

class HeadlessBackend::TimerSlot final : public TimerPeer {
  public:
    TimerSlot(HeadlessBackend& backend, Timer& timer) : backend_(backend), timer_(timer) {
        backend_.timers_.push_back({&timer_, backend_.now_ + timer_.Interval()});
    }
    ~TimerSlot() override {
        auto& t = backend_.timers_;
        t.erase(std::remove_if(t.begin(), t.end(),
                               [&](const TimerState& s) { return s.timer == &timer_; }),
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

const ColorResolver& HeadlessBackend::Colors() const {
    return DefaultColorResolver();
}

std::unique_ptr<ControlPeer> HeadlessBackend::MakeCustom(Control& control) {
    return std::make_unique<Peer>(*this, control, "custom");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeForm(Form& form) {
    return std::make_unique<Peer>(*this, form, "form");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeColorBox(ColorBox& box) {
    return std::make_unique<Peer>(*this, box, "colorbox");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeListBox(ListBox& list) {
    return std::make_unique<Peer>(*this, list, "listbox");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeFileListBox(FileListBox& list) {
    return std::make_unique<Peer>(*this, list, "filelistbox");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeListView(ListView& view) {
    return std::make_unique<Peer>(*this, view, "listview");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeMemo(Memo& memo) {
    return std::make_unique<Peer>(*this, memo, "memo");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeProgressBar(ProgressBar& bar) {
    return std::make_unique<Peer>(*this, bar, "progressbar");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeScrollBox(ScrollBox& box) {
    return std::make_unique<Peer>(*this, box, "scrollbox");
}
std::unique_ptr<ControlPeer> HeadlessBackend::MakeShellListView(ShellListView& view) {
    return std::make_unique<Peer>(*this, view, "shelllistview");
}

std::unique_ptr<ControlPeer> HeadlessBackend::MakeWebBrowser(WebBrowser& browser) {
    return std::make_unique<Peer>(*this, browser, "webbrowser");
}

std::string HeadlessBackend::PeerKind(const Control& control) const {
    auto* peer = dynamic_cast<const Peer*>(control.Peer());
    return peer ? std::string(peer->Kind()) : std::string();
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

int HeadlessBackend::CollateNoCase(std::string_view a, std::string_view b) const {
    if (collation) return collation(a, b);
    const auto fold = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::optional<std::string> HeadlessBackend::RunSaveDialog(const SaveDialog& dialog, Form& owner) {
    saveDialogRuns_.push_back({dialog.Filter(), &owner});
    return nextSaveFileName;
}

std::optional<std::string> HeadlessBackend::RunOpenDialog(const SaveDialog& dialog, Form& owner) {
    openDialogRuns_.push_back({dialog.Filter(), &owner});
    return nextOpenFileName;
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
    windowed.App().Guard([&] {
        windowed.PaintWindow(canvas);
        // Headless windows have no border: the whole window is the client area.
        windowed.PaintOverWindow(canvas, windowed.ClientRect());
    });
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
    window->App().Guard([&] { window->DispatchMouseMove(s, wp); });
}

void HeadlessBackend::MouseDown(Control& target, Point p, MouseButton b, Shift s) {
    Control* window;
    Point wp = WindowPoint(target, p, window);
    if (b == MouseButton::Left) s |= shift::kLeft;
    window->App().Guard([&] { window->DispatchMouseDown(b, s, wp); });
}

void HeadlessBackend::MouseUp(Control& target, Point p, MouseButton b, Shift s) {
    Control* window;
    Point wp = WindowPoint(target, p, window);
    window->App().Guard([&] { window->DispatchMouseUp(b, s, wp); });
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
    Control* window = target.WindowedAncestor();
    window->App().Guard([&] { window->DispatchMouseLeave(); });
}

void HeadlessBackend::KeyDown(int key, Shift s) {
    if (Control* c = focused_) c->App().Guard([&] { DispatchKeyDown(*c, key, s); });
}

void HeadlessBackend::KeyUp(int key, Shift s) {
    if (Control* c = focused_) c->App().Guard([&] { DispatchKeyUp(*c, key, s); });
}

void HeadlessBackend::Char(char32_t ch, bool alt) {
    if (Control* c = focused_) c->App().Guard([&] { DispatchChar(*c, ch, alt); });
}

void HeadlessBackend::PressKey(int key, Shift s) {
    KeyDown(key, s);
    if (key == key::kSpace) Char(U' ');
    KeyUp(key, s);
}

void HeadlessBackend::Focus(Control& control) {
    control.SetFocus();
}

// Focus moves on the program's request (SetFocus) or the platform's (a control hidden): the
// program hears of it as from a window procedure.
void HeadlessBackend::SetFocusTo(Control* control) {
    Control* old = focused_;
    focused_ = control;
    Control* any = control ? control : old;
    if (any) any->App().Guard([&] { DispatchFocusChange(old, control); });
}

namespace {

class InlineJob final : public JobPeer {
  public:
    void Join() override {}
};

}  // namespace

void HeadlessBackend::Post(std::function<void()> task) {
    std::lock_guard<std::mutex> lock(postedLock_);
    posted_.push_back(std::move(task));
}

std::size_t HeadlessBackend::PostedCount() const {
    std::lock_guard<std::mutex> lock(postedLock_);
    return posted_.size();
}

void HeadlessBackend::RunPosted() {
    if (runningPosted_) return;  // a task never runs inside another
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(runningPosted_);
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard<std::mutex> lock(postedLock_);
            if (posted_.empty()) break;
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
    }
}

std::unique_ptr<JobPeer> HeadlessBackend::StartJob(std::function<void()> job) {
    if (threadedJobs) {
        ++*jobsRunning_;
        return std::make_unique<ui::ThreadJob>([job = std::move(job), running = jobsRunning_] {
            job();
            --*running;
        });
    }
    job();
    RunPosted();
    return std::make_unique<InlineJob>();
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
        Timer* timer = next->timer;
        timer->App().Guard([&] { timer->Fire(); });
    }
    now_ = end;
}

}  // namespace ui
