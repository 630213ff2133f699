#pragma once
// Control: the base of every window, control and graphic element of the toolkit.
//
// A control owns its state (bounds, visibility, caption, colours...), paints itself on a
// Canvas and reacts to abstract mouse, key and focus events. Windowed controls get a peer
// from the backend (a real child window on Win32); graphic controls (IsWindowed() false)
// are painted by their windowed parent and receive mouse events routed by it.
//
// No constructor creates a peer: Realize() does, once the control is whole (a virtual call
// from a base constructor would answer for the base). A control added under a realised parent
// gets its peer at the next Realize() of itself or of an ancestor. A top-level control (a form)
// is realised, with its descendants, at the latest when it first becomes visible.
//
// Children are owned by whoever created them (normally the form, as members) and are destroyed
// before their parent; a control detaches itself from its parent when destroyed.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/accessibility.h"
#include "ui/backend.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/input.h"

namespace ui {

class Application;
class ControlPeer;
class Form;
class PeerFactory;

// How a parent places a child: along one edge of its AlignRect() (Top, Bottom, Left, Right,
// taken in that order and then in order of creation), or over what the others leave (Client).
enum class Align { None, Top, Bottom, Left, Right, Client };

class Control {
  public:
    explicit Control(Control* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Identity and tree.
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }
    // The first descendant (depth first) with this name, or nullptr.
    Control* FindControl(std::string_view name) const;
    // The nearest windowed control at or above this one.
    Control* WindowedAncestor();
    Form* GetForm();
    Application& App() const { return *app_; }

    // Geometry, relative to the parent's client area.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& r);
    void SetBounds(int left, int top, int width, int height) {
        SetBounds(Rect::FromSize(left, top, width, height));
    }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    virtual Rect ClientRect() const { return {0, 0, Width(), Height()}; }
    // Client origin of this control in the client of its windowed ancestor.
    Point OffsetInWindow() const;
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;

    // Visibility and state.
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every ancestor visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    // The key that works this control from anywhere in its form. The form's key table sets it;
    // the hint shows it after the hint's own text, named in the interface's language
    // ("Ctrl+A", "Strg+A"; "" for none).
    void SetShortcut(int key, Shift mods);
    std::string ShortcutText() const;
    // The hint as shown: "Begin (F5)".
    std::string HintWithShortcut() const;
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool s) { showHint_ = s; }

    // Setting the control's own font or colour ends ParentFont or ParentColor: while on, the
    // control shows its parent's and follows every change of it. ParentFont starts on.
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f);
    Color GetColor() const { return color_; }
    void SetColor(Color c);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool p);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool p);
    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor c);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool t) { tabStop_ = t; }

    Align GetAlign() const { return align_; }
    void SetAlign(Align a);
    // The area aligned children share.
    virtual Rect AlignRect() const { return ClientRect(); }
    // Places the visible aligned children again (after a change of size or of AlignRect()).
    void AlignControls();

    // Painting.
    virtual bool IsWindowed() const { return true; }
    // Paints this control's own client area (origin at its top-left corner).
    virtual void Paint(Canvas& canvas);
    // Paints this windowed control and its visible graphic children.
    void PaintWindow(Canvas& canvas);
    void Invalidate();
    void InvalidateRect(const Rect& r);
    void Update();
    void Repaint() {
        Invalidate();
        Update();
    }

    // Focus and capture.
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();
    void SetMouseCapture(bool capture);
    bool MouseCapture() const;
    // Windowed controls: the graphic child holding the mouse, or nullptr.
    Control* MouseCaptureChild() const { return captureChild_; }

    ControlPeer* Peer() const { return peer_.get(); }
    // Creates the peers of this control and its windowed descendants that have none yet.
    void Realize();
    bool Realized() const {
        return peer_ != nullptr || (!IsWindowed() && parent_ && parent_->Realized());
    }

    // The backend reports that the native window moved or was resized (no echo to the peer).
    void PeerMoved(const Rect& r);

    // Raw input from the backend, in this windowed control's client coordinates. Routes to
    // graphic children, tracks hover, captures the mouse on a button press.
    void DispatchMouseDown(MouseButton b, Shift s, Point p);
    void DispatchMouseUp(MouseButton b, Shift s, Point p);
    void DispatchMouseMove(Shift s, Point p);
    void DispatchMouseLeave();
    // Hint text for the point P of this windowed control's client area.
    std::string HintAt(Point p);
    Cursor CursorAt(Point p);
    // The graphic child (enabled or not) under P, or nullptr.
    Control* GraphicChildAt(Point p) const;

    // Event handlers; override to react. Coordinates are this control's client coordinates.
    virtual void MouseDown(MouseButton b, Shift s, Point p);
    virtual void MouseUp(MouseButton b, Shift s, Point p);
    virtual void MouseMove(Shift s, Point p);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void KeyDown(int& key, Shift s);
    virtual void KeyUp(int& key, Shift s);
    virtual void KeyPress(char32_t& ch);
    virtual void FocusEnter();
    virtual void FocusExit();
    // An accelerator (Alt+letter or a letter the focused control does not take); true when
    // this control took it.
    virtual bool DialogChar(char32_t ch);
    // Fires OnClick.
    virtual void Click();
    // State-change hooks, after the new value is stored.
    virtual void EnabledChanged() {}
    virtual void VisibleChanged() {}
    virtual void CaptionChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void BoundsChanged() {}
    // Standard controls: runs after each native paint of the window, with a canvas on the whole
    // window (border included, origin at the window's top-left corner) of size WINDOW.
    virtual void PaintOverWindow(Canvas& canvas, const Rect& window) { (void)canvas, (void)window; }
    // The desktop theme changed (the platform's theme-changed notification).
    virtual void ThemeChanged() {}
    // The system colours changed; the default passes it on to every child.
    virtual void SystemColorsChanged();
    // Every control of a form hears which control now has the focus (nullptr: none).
    virtual void FocusAnnounced(Control* focused) { (void)focused; }
    // Lets a child ask whether a key goes to it (arrows, Enter, Tab) rather than the form.
    virtual bool WantsKey(int key) const;
    // Whether the arrow keys move the focus between this control and its sibling OTHER (the
    // radio buttons of one group, the check boxes of one group box).
    virtual bool InArrowGroupWith(const Control& other) const {
        (void)other;
        return false;
    }

    // Accessibility. A control with a role other than None answers for its role, name, state
    // and default action; the others keep the platform's defaults for a window.
    virtual AccessRole AccessibleRole() const { return AccessRole::None; }
    // The caption without its accelerator mark, else the hint (a glyph-only button).
    virtual std::string AccessibleName() const;
    // Unavailable, invisible, focusable, focused; controls add their own bits.
    virtual AccessState AccessibleState() const;
    // "Press", "Check"...; "" for none.
    virtual std::string AccessibleDefaultAction() const { return {}; }
    // Does what the default action says (by default a click); false when there is none.
    virtual bool DoAccessibleDefaultAction();
    // The window-less children a screen reader sees as parts of this window, in order: the
    // visible graphic children that have a role.
    std::vector<Control*> AccessibleParts() const;
    // Tells accessibility clients that WHAT changed about this control.
    void AccessibleChanged(AccessEvent what);

    // Callbacks.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(MouseButton, Shift, Point)> OnMouseDown;
    std::function<void(MouseButton, Shift, Point)> OnMouseUp;
    std::function<void(Shift, Point)> OnMouseMove;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    std::function<void(int&, Shift)> OnKeyDown;
    std::function<void(int&, Shift)> OnKeyUp;
    std::function<void(char32_t&)> OnKeyPress;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

  protected:
    // Asks FACTORY for this control's kind of peer; controls with a native counterpart
    // override it to call the factory function of their own type.
    virtual std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory);
    // Destroys the peer. A control whose peer knows its derived type calls this in its own
    // destructor, so the peer never outlives the part of the control it mirrors.
    void ReleasePeer() { peer_.reset(); }
    // Tells the peer (if any) what changed.
    void NotifyPeer(Change what);
    // For forms, which have no parent.
    Control(Application& app, std::nullptr_t);
    std::unique_ptr<ControlPeer> peer_;

  private:
    friend class Form;
    void AddChild(Control* child);
    void RemoveChild(Control* child);
    void SetHovered(Control* child);
    // Store a new font or colour and pass it on to the children that take their parent's.
    void AdoptFont(const Font& f);
    void AdoptColor(Color c);
    // After a change of this control's size or alignment.
    void Realign(bool resized);

    Application* app_ = nullptr;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    std::string name_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool tabStop_ = false;
    std::string caption_;
    std::string hint_;
    int shortcutKey_ = 0;  // 0: none
    Shift shortcutMods_ = 0;
    Font font_;
    Color color_ = clBtnFace;
    bool parentFont_ = true;
    bool parentColor_ = false;
    Align align_ = Align::None;
    bool aligning_ = false;
    Cursor cursor_ = Cursor::Default;
    // For windowed controls: the graphic child holding the mouse and the one under it.
    Control* captureChild_ = nullptr;
    Control* hoveredChild_ = nullptr;
};

// A control painted by its windowed parent (speed buttons, labels, images).
class GraphicControl : public Control {
  public:
    using Control::Control;
    bool IsWindowed() const override { return false; }
};

}  // namespace ui
