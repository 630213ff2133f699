#pragma once
// The headless backend: no screen. Controls paint into a raster canvas on request, and tests
// inject mouse, key, focus and timer events. Message boxes are recorded, not shown. Like a
// window procedure, each injected event is the platform calling into the program: what it
// raises goes to the application's error report.

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/bitmap.h"
#include "ui/geometry.h"
#include "ui/input.h"
#include "ui/peer_factory.h"

namespace ui {

class Control;
class Timer;

class HeadlessBackend final : public Backend, private PeerFactory {
  public:
    struct ShownMessage {
        std::string text;
        std::string caption;
        MessageKind kind;
    };

    HeadlessBackend();
    ~HeadlessBackend() override;

    // Backend.
    const ColorResolver& Colors() const override;
    PeerFactory& Peers() override { return *this; }
    std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;
    std::unique_ptr<Canvas> CreateMeasureCanvas() override;
    MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageKind kind,
                              MessageButtons buttons) override;
    std::optional<std::string> RunSaveDialog(const SaveDialog& dialog, Form& owner) override;
    std::optional<std::string> RunOpenDialog(const SaveDialog& dialog, Form& owner) override;
    // By COLLATION when one is set, else byte by byte with the ASCII letters folded.
    int CollateNoCase(std::string_view a, std::string_view b) const override;
    std::function<int(std::string_view, std::string_view)> collation;
    Point CursorPos() const override { return cursor_; }
    Size ScreenSize() const override { return screen_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    void RunMessageLoop() override {}
    void Terminate() override { terminated_ = true; }
    // Runs the tasks posted so far (and those they post), in order.
    void ProcessMessages() override { RunPosted(); }
    void Post(std::function<void()> task) override;
    // A job runs at once on the calling thread, and the tasks it posted right after it: a click
    // that starts one returns with all done. With threadedJobs, on a thread of its own, its
    // tasks waiting for ProcessMessages.
    std::unique_ptr<JobPeer> StartJob(std::function<void()> job) override;
    bool threadedJobs = false;
    // Whether a threaded job is still running (its tasks may still be coming).
    bool JobsRunning() const { return *jobsRunning_ != 0; }
    // Tasks posted and not run yet.
    std::size_t PostedCount() const;
    void SetCursorImage(Cursor which, const Bitmap& image, Color, Point) override {
        cursorImages_[which] = image.GetSize();
    }
    // The size of the image set for cursor WHICH, or {0, 0}.
    Size CursorImageSize(Cursor which) const {
        auto it = cursorImages_.find(which);
        return it == cursorImages_.end() ? Size{} : it->second;
    }
    int ShowPopupMenu(const PopupMenu& menu, Point screen) override;
    MenuMetrics GetMenuMetrics() const override { return menuMetrics; }

    // What happened.
    const std::vector<ShownMessage>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }
    const std::string& Title() const { return title_; }
    bool TerminateRequested() const { return terminated_; }
    // The answer given to the next message boxes.
    MessageResult nextAnswer = MessageResult::Ok;
    Control* Focused() const { return focused_; }
    // The kind of peer CONTROL was given ("custom", "form", "listbox"...); "" for none.
    std::string PeerKind(const Control& control) const;
    Control* Captured() const { return captured_; }
    // Save dialogs: each run is recorded; the user "chooses" nextSaveFileName (nullopt: cancel).
    struct SaveDialogRun {
        std::string filter;
        Form* owner;
    };
    const std::vector<SaveDialogRun>& SaveDialogRuns() const { return saveDialogRuns_; }
    std::optional<std::string> nextSaveFileName;
    // Open dialogs: recorded alike; the user "chooses" nextOpenFileName (nullopt: cancel).
    const std::vector<SaveDialogRun>& OpenDialogRuns() const { return openDialogRuns_; }
    std::optional<std::string> nextOpenFileName;
    // Every show command given to a form's window, in order.
    struct ShownAs {
        const Control* form;
        ShowCommand how;
    };
    const std::vector<ShownAs>& ShowCommands() const { return shows_; }
    // Every fade-out of a form's window (which hides it), in order.
    struct Fade {
        const Control* form;
        int milliseconds;
    };
    const std::vector<Fade>& Fades() const { return fades_; }
    int InvalidationCount() const { return invalidations_; }
    void SetScreenSize(Size s) { screen_ = s; }

    // Popup menus: each request is recorded; the menu "closes" at once with nextMenuChoice
    // (an item index, or -1 for dismissed). OnMenuShown runs while the menu is open.
    struct ShownMenu {
        const PopupMenu* menu;
        Point screen;
    };
    const std::vector<ShownMenu>& Menus() const { return menus_; }
    int nextMenuChoice = -1;
    std::function<void(const PopupMenu&)> OnMenuShown;
    MenuMetrics menuMetrics;

    // Painting: the control's window with its windowed descendants, at their positions.
    Bitmap Render(Control& windowed);

    // Input, with P in TARGET's client coordinates (TARGET may be a graphic control).
    void MoveMouse(Control& target, Point p, Shift s = shift::kNone);
    void MouseDown(Control& target, Point p, MouseButton b = MouseButton::Left,
                   Shift s = shift::kNone);
    void MouseUp(Control& target, Point p, MouseButton b = MouseButton::Left,
                 Shift s = shift::kNone);
    void Click(Control& target, Point p);
    void DoubleClick(Control& target, Point p);
    // The mouse leaves TARGET's window.
    void MouseLeave(Control& target);
    // Keys go to the focused control (or the given one, focusing it first).
    void KeyDown(int key, Shift s = shift::kNone);
    void KeyUp(int key, Shift s = shift::kNone);
    void Char(char32_t ch, bool alt = false);
    void PressKey(int key, Shift s = shift::kNone);  // down, the character for Space, up
    void Focus(Control& control);
    // Advances the clock and fires every enabled timer whose interval has passed.
    void AdvanceTime(int milliseconds);

  private:
    // PeerFactory: one peer class for every kind, labelled with the kind.
    std::unique_ptr<ControlPeer> MakeCustom(Control& control) override;
    std::unique_ptr<ControlPeer> MakeForm(Form& form) override;
    std::unique_ptr<ControlPeer> MakeColorBox(ColorBox& box) override;
    std::unique_ptr<ControlPeer> MakeListBox(ListBox& list) override;
    std::unique_ptr<ControlPeer> MakeFileListBox(FileListBox& list) override;
    std::unique_ptr<ControlPeer> MakeListView(ListView& view) override;
    std::unique_ptr<ControlPeer> MakeMemo(Memo& memo) override;
    std::unique_ptr<ControlPeer> MakeProgressBar(ProgressBar& bar) override;
    std::unique_ptr<ControlPeer> MakeScrollBox(ScrollBox& box) override;
    std::unique_ptr<ControlPeer> MakeShellListView(ShellListView& view) override;
    std::unique_ptr<ControlPeer> MakeWebBrowser(WebBrowser& browser) override;

    class Peer;
    class TimerSlot;
    friend class Peer;
    friend class TimerSlot;
    void RenderInto(Control& windowed, Bitmap& target, Point at);
    void RunPosted();
    void SetFocusTo(Control* control);
    Point WindowPoint(Control& target, Point p, Control*& window);

    Point cursor_;
    Size screen_{1024, 768};
    std::string title_;
    bool terminated_ = false;
    std::vector<ShownMessage> messages_;
    std::vector<ShownMenu> menus_;
    std::vector<SaveDialogRun> saveDialogRuns_;
    std::vector<SaveDialogRun> openDialogRuns_;
    std::vector<ShownAs> shows_;
    std::vector<Fade> fades_;
    Control* focused_ = nullptr;
    Control* captured_ = nullptr;
    int invalidations_ = 0;
    struct TimerState {
        Timer* timer;
        long long due;
    };
    std::vector<TimerState> timers_;
    long long now_ = 0;
    std::map<Cursor, Size> cursorImages_;
    mutable std::mutex postedLock_;
    std::deque<std::function<void()>> posted_;
    bool runningPosted_ = false;
    std::shared_ptr<std::atomic<int>> jobsRunning_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace ui
