#pragma once
// A top-level window.

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class Position { Designed, DesktopCenter, ScreenCenter, MainFormCenter, OwnerFormCenter };
enum class CloseAction { None, Hide, Free, Minimize };
enum class WindowState { Normal, Minimized, Maximized };

namespace border_icon {
constexpr unsigned kSystemMenu = 1u << 0;
constexpr unsigned kMinimize = 1u << 1;
constexpr unsigned kMaximize = 1u << 2;
constexpr unsigned kHelp = 1u << 3;
}  // namespace border_icon

class Form : public Control {
  public:
    explicit Form(Application& app);
    ~Form() override;

    Rect ClientRect() const override { return {0, 0, clientSize_.width, clientSize_.height}; }

    // The client area size; Bounds() holds the outer window rectangle on screen.
    Size ClientSize() const { return clientSize_; }
    void SetClientSize(int width, int height);
    // The backend reports the client size of the native window.
    void PeerResized(Size client);
    // Whether the position rule has been applied (it is, once, at the first show).
    bool Positioned() const { return positioned_; }

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle s);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    // How the window opens when shown: as set, or as the user left it when it was hidden.
    WindowState GetWindowState() const { return windowState_; }
    void SetWindowState(WindowState s);
    // The backend reports the state the user left the window in as it hides (no echo to the
    // peer).
    void PeerWindowStateChanged(WindowState s) { windowState_ = s; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool s);
    Position GetPosition() const { return position_; }
    // Where the form is placed when first shown. For the *FormCenter positions, CENTER_ON is
    // the form to centre on (nullptr: the main form).
    void SetPosition(Position p, Form* centerOn = nullptr);
    // Places the window now according to the position rule.
    void ApplyPosition();

    // Shows the form and brings it to the front.
    void ShowForm();
    // Asks the form to close: OnClose decides; the main form's close ends the program.
    void Close();
    // Fades the window out over MILLISECONDS and hides it (a no-op while unrealized).
    void AnimateHide(int milliseconds);

    // The focused control of this form (tracked by the backend), or nullptr.
    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* c) { activeControl_ = c; }
    // Tells every control of the form which control has the focus (FocusAnnounced).
    void AnnounceFocus();
    // The next focusable control after FROM in tab order (depth-first order of creation).
    Control* NextTabStop(Control* from, bool forward);
    // The next control of FROM's group after FROM, round the group: the focusable siblings
    // FROM shares arrow keys with (Control::InArrowGroupWith); null when it is alone.
    static Control* NextInGroup(Control& from, bool forward);
    // Form-level key handling: Tab moves focus, the arrow keys move it within a group, Enter
    // clicks the default button, Escape the cancel button, Alt+letter goes to accelerators.
    // Returns true when taken.
    bool HandleDialogKey(int key, Shift s);
    bool HandleAccelerator(char32_t ch);

    // The form's key table: KEY pressed with exactly the modifiers MODS (shift::kShift, kCtrl,
    // kAlt) anywhere in the form runs an entry, before the focused control sees the key. A
    // plain key the focused control wants for itself (an open list's Escape) stays with it,
    // and so do a plain Escape and Enter while the form has a cancel or default button to
    // click. Both backends offer every key-down to HandleShortcut first.
    struct Shortcut {
        int key;
        Shift mods;
        Control* target;               // the entry runs only while it is enabled; null: always
        std::function<void()> action;  // null: TARGET is clicked
    };
    // Binds KEY+MODS to TARGET: runs ACTION, or without one clicks TARGET; TARGET's hint shows
    // the key.
    void AddShortcut(int key, Shift mods, Control& target, std::function<void()> action = {});
    void AddShortcut(int key, Shift mods, std::function<void()> action);
    const std::vector<Shortcut>& Shortcuts() const { return shortcuts_; }
    // True when an entry took the key.
    bool HandleShortcut(int key, Shift s);

    // Set by a dialog button's click (0: none).
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    // Default and cancel buttons register themselves here.
    Control* DefaultControl() const { return defaultControl_; }
    void SetDefaultControl(Control* c) { defaultControl_ = c; }
    Control* CancelControl() const { return cancelControl_; }
    void SetCancelControl(Control* c) { cancelControl_ = c; }

    std::function<void()> OnCreate;
    std::function<void()> OnDestroy;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void(CloseAction&)> OnClose;

    // Runs OnDestroy once. The owner of the forms (FormOwner) calls it on each form, while
    // every form is still whole, before destroying them.
    void BeforeDestruction();

    void VisibleChanged() override;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    // True when the dialog-key rule has a button for KEY (Escape, Enter) to click.
    bool DialogButtonFor(int key) const;

    Size clientSize_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    unsigned borderIcons_ =
        border_icon::kSystemMenu | border_icon::kMinimize | border_icon::kMaximize;
    bool stayOnTop_ = false;
    WindowState windowState_ = WindowState::Normal;
    Position position_ = Position::Designed;
    Form* centerOn_ = nullptr;
    Control* activeControl_ = nullptr;
    std::vector<Shortcut> shortcuts_;
    Control* defaultControl_ = nullptr;
    Control* cancelControl_ = nullptr;
    int modalResult_ = 0;
    bool destroying_ = false;
    bool positioned_ = false;
};

}  // namespace ui
