#include "platform/win32/ui/win32_backend.h"

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "platform/win32/icon_pixels.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "platform/win32/ui/peer_factory.h"
#include "platform/win32/ui/save_dialog_win32.h"
#include "platform/win32/ui/win32_state.h"
#include "platform/win32/ui/window_peer.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/thread_job.h"
#include "ui/timer.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kTimerClass[] = L"SkarvelTimers";
// Sent to the timer window when the first task is posted to an empty queue.
constexpr UINT kRunPosted = WM_APP + 1;

// Runs the posted tasks in order, never one inside another: a task that waits in a modal loop
// leaves the ones posted meanwhile for the loop below, after it returns.
void RunPosted(Win32State& state) {
    if (state.runningPosted) return;
    state.runningPosted = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{state.runningPosted};
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard<std::mutex> lock(state.postedLock);
            if (state.posted.empty()) return;
            task = std::move(state.posted.front());
            state.posted.pop_front();
        }
        task();  // guarded by whoever posted it
    }
}

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRunPosted) {
        if (auto* state = reinterpret_cast<Win32State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            RunPosted(*state);
        return 0;
    }
    if (msg == WM_TIMER) {
        auto* state = reinterpret_cast<Win32State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (state) {
            auto it = state->timers.find(static_cast<UINT_PTR>(wParam));
            if (it != state->timers.end()) {
                ui::Timer* timer = it->second;
                timer->App().Guard([&] { timer->Fire(); });
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class Win32TimerPeer final : public ui::TimerPeer {
  public:
    Win32TimerPeer(Win32State& state, ui::Timer& timer)
        : state_(state), timer_(timer), id_(state.nextTimerId++) {
        state_.timers[id_] = &timer_;
        Reset();
    }
    ~Win32TimerPeer() override {
        KillTimer(state_.timerWindow.get(), id_);
        state_.timers.erase(id_);
    }
    void Reset() override {
        KillTimer(state_.timerWindow.get(), id_);
        if (timer_.Enabled() && timer_.Interval() > 0)
            SetTimer(state_.timerWindow.get(), id_, static_cast<UINT>(timer_.Interval()), nullptr);
    }

  private:
    Win32State& state_;
    ui::Timer& timer_;
    UINT_PTR id_;
};

// A canvas for measuring text on a screen-compatible memory DC.
class MeasureCanvas final : public ui::Canvas {
  public:
    explicit MeasureCanvas(const ui::ColorResolver& colors)
        : Canvas(colors), dc_(CreateCompatibleDC(nullptr)), inner_(dc_.get(), colors) {}
    void FillRect(const ui::Rect&, ui::Color) override {}
    void SetPixel(int, int, ui::Color) override {}
    ui::Color GetPixel(int, int) override { return ui::clNone; }
    void FrameRect(const ui::Rect&, ui::Color) override {}
    void LineTo(int x, int y) override { position_ = {x, y}; }
    void Rectangle(const ui::Rect&) override {}
    void RoundRect(const ui::Rect&, int, int) override {}
    void Ellipse(const ui::Rect&) override {}
    void Polygon(const ui::Point*, int) override {}
    void DrawFocusRect(const ui::Rect&) override {}
    void DrawBitmap(int, int, const ui::Bitmap&, const ui::Rect&) override {}
    void DrawBitmapTransparent(int, int, const ui::Bitmap&, const ui::Rect&, ui::Color) override {}
    ui::Size TextExtent(std::string_view text) override {
        inner_.font = font;
        return inner_.TextExtent(text);
    }
    void TextAt(int, int, std::string_view) override {}
    int DrawTextIn(std::string_view text, ui::Rect& r, std::uint32_t flags) override {
        inner_.font = font;
        return inner_.DrawTextIn(text, r, flags | ui::text::kCalcRect);
    }

  private:
    DcOwner dc_;  // before the canvas that borrows it, which restores it when it goes
    GdiCanvas inner_;
};

}  // namespace

Win32Backend::Win32Backend()
    : state_(std::make_unique<Win32State>()), peers_(std::make_unique<Win32PeerFactory>(*state_)) {
    state_->instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterWindowClass(state_->instance);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = state_->instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
    state_->timerWindow.reset(CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                              nullptr, state_->instance, nullptr));
    if (!state_->timerWindow)
        throw std::runtime_error("Cannot create the timer window. " +
                                 SystemErrorText(GetLastError()));
    SetWindowLongPtrW(state_->timerWindow.get(), GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(state_.get()));
}

Win32Backend::~Win32Backend() = default;

const ui::ColorResolver& Win32Backend::Colors() const {
    return state_->colors;
}

ui::PeerFactory& Win32Backend::Peers() {
    return *peers_;
}

std::unique_ptr<ui::TimerPeer> Win32Backend::CreateTimerPeer(ui::Timer& timer) {
    return std::make_unique<Win32TimerPeer>(*state_, timer);
}

std::unique_ptr<ui::Canvas> Win32Backend::CreateMeasureCanvas() {
    return std::make_unique<MeasureCanvas>(state_->colors);
}

ui::MessageResult Win32Backend::ShowMessage(const std::string& text, const std::string& caption,
                                            ui::MessageKind kind, ui::MessageButtons buttons) {
    UINT flags = MB_TASKMODAL;
    switch (kind) {
        case ui::MessageKind::Error:
            flags |= MB_ICONERROR;
            break;
        case ui::MessageKind::Warning:
            flags |= MB_ICONWARNING;
            break;
        case ui::MessageKind::Information:
            flags |= MB_ICONINFORMATION;
            break;
        case ui::MessageKind::Confirmation:
            flags |= MB_ICONQUESTION;
            break;
    }
    switch (buttons) {
        case ui::MessageButtons::Ok:
            flags |= MB_OK;
            break;
        case ui::MessageButtons::OkCancel:
            flags |= MB_OKCANCEL;
            break;
        case ui::MessageButtons::YesNo:
            flags |= MB_YESNO;
            break;
    }
    HWND owner = GetActiveWindow();
    int r = MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
    switch (r) {
        case IDCANCEL:
            return ui::MessageResult::Cancel;
        case IDYES:
            return ui::MessageResult::Yes;
        case IDNO:
            return ui::MessageResult::No;
        default:
            return ui::MessageResult::Ok;
    }
}

std::optional<std::string> Win32Backend::RunSaveDialog(const ui::SaveDialog& dialog,
                                                       ui::Form& owner) {
    auto* peer = owner.Peer();
    return RunSaveFileDialog(dialog, peer ? static_cast<HWND>(peer->NativeHandle()) : nullptr);
}

std::optional<std::string> Win32Backend::RunOpenDialog(const ui::SaveDialog& dialog,
                                                       ui::Form& owner) {
    auto* peer = owner.Peer();
    return RunOpenFileDialog(dialog, peer ? static_cast<HWND>(peer->NativeHandle()) : nullptr);
}

int Win32Backend::CollateNoCase(std::string_view a, std::string_view b) const {
    // The user's locale, as the system's own sorted lists order names: accented letters beside
    // their base letters, each script in its place, case ignored. (An ordinal comparison
    // would only fold case and leave "École" after "Zebra".)
    const std::wstring wa = Widen(a), wb = Widen(b);
    int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wa.data(),
                                static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()),
                                nullptr, nullptr, 0);
    // Failure (not expected for valid arguments): the file system's case folding still orders.
    if (order == 0)
        order = CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                     static_cast<int>(wb.size()), TRUE);
    if (order == 0) return wa.compare(wb);
    return order - CSTR_EQUAL;
}

ui::Point Win32Backend::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

ui::Size Win32Backend::ScreenSize() const {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::SetTitle(const std::string& title) {
    state_->title = title;
}

void Win32Backend::Post(std::function<void()> task) {
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(state_->postedLock);
        wake = state_->posted.empty();
        state_->posted.push_back(std::move(task));
    }
    // One message wakes the interface thread for everything queued until it runs.
    if (wake) PostMessageW(state_->timerWindow.get(), kRunPosted, 0, 0);
}

std::unique_ptr<ui::JobPeer> Win32Backend::StartJob(std::function<void()> job) {
    return std::make_unique<ui::ThreadJob>(std::move(job));
}

void Win32Backend::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (OfferBeforeTranslation(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Backend::Terminate() {
    PostQuitMessage(0);
}

void Win32Backend::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (OfferBeforeTranslation(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace platform::win32

namespace platform::win32 {

int Win32Backend::ShowPopupMenu(const ui::PopupMenu& menu, ui::Point screen) {
    MenuOwner handle(CreatePopupMenu());
    if (!handle)
        throw std::runtime_error("Cannot create a menu. " + SystemErrorText(GetLastError()));
    const auto& items = menu.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = items[i];
        if (!item.visible) continue;
        if (item.caption == "-") {
            AppendMenuW(handle.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        AppendMenuW(handle.get(), flags, i + 1, Widen(item.caption).c_str());
    }
    UINT align = menu.Alignment() == ui::PopupAlignment::Right    ? TPM_RIGHTALIGN
                 : menu.Alignment() == ui::PopupAlignment::Center ? TPM_CENTERALIGN
                                                                  : TPM_LEFTALIGN;
    // The menu needs a foreground owner window to close properly when clicked away.
    HWND owner = GetActiveWindow();
    if (!owner) owner = state_->timerWindow.get();
    SetForegroundWindow(owner);
    int chosen =
        static_cast<int>(TrackPopupMenu(handle.get(), align | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                        screen.x, screen.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen > 0 ? chosen - 1 : -1;
}

ui::MenuMetrics Win32Backend::GetMenuMetrics() const {
    ui::MenuMetrics m;
    m.borderWidth = GetSystemMetrics(SM_CXBORDER);
    m.itemHeight = GetSystemMetrics(SM_CYMENU);
    return m;
}

}  // namespace platform::win32

namespace platform::win32 {

void Win32Backend::SetCursorImage(ui::Cursor which, const ui::Bitmap& image, ui::Color transparent,
                                  ui::Point hotSpot) {
    if (image.Empty()) return;
    CursorOwner cursor(IconFromPixels(image.Width(), image.Height(), image.Pixels().data(),
                                      transparent & 0xFFFFFF, true, {hotSpot.x, hotSpot.y}));
    if (!cursor) return;  // the system's cursor stays
    state_->cursors[which] = std::move(cursor);
}

}  // namespace platform::win32
