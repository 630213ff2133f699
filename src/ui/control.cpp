#include "ui/control.h"

#include <algorithm>
#include <cassert>

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/form.h"
#include "ui/key_names.h"
#include "ui/peer_factory.h"
#include "ui/text_layout.h"

namespace ui {

Control::Control(Control* parent) : parent_(parent) {
    assert(parent != nullptr && "controls other than forms need a parent");
    app_ = parent->app_;
    font_ = parent->font_;
    parent->AddChild(this);
}

Control::Control(Application& app, std::nullptr_t) : app_(&app) {}

Control::~Control() {
    assert(children_.empty() && "children are destroyed before their parent");
    peer_.reset();
    // Should a child outlive its parent all the same, it is left without one.
    for (Control* child : children_) child->parent_ = nullptr;
    if (parent_) parent_->RemoveChild(this);
}

// The child is not whole yet (this runs in its base constructor): it is realised later.
void Control::AddChild(Control* child) {
    children_.push_back(child);
}

void Control::RemoveChild(Control* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
    if (captureChild_ == child) captureChild_ = nullptr;
    if (hoveredChild_ == child) hoveredChild_ = nullptr;
}

Control* Control::FindControl(std::string_view name) const {
    for (Control* child : children_) {
        if (child->name_ == name) return child;
        if (Control* found = child->FindControl(name)) return found;
    }
    return nullptr;
}

Control* Control::WindowedAncestor() {
    Control* c = this;
    while (c && !c->IsWindowed()) c = c->parent_;
    return c;
}

Form* Control::GetForm() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(const Rect& r) {
    if (r == bounds_) return;
    if (!IsWindowed() && parent_) parent_->InvalidateRect(bounds_);
    const bool resized = r.GetSize() != bounds_.GetSize();
    bounds_ = r;
    NotifyPeer(Change::Bounds);
    BoundsChanged();
    Invalidate();
    Realign(resized);
}

void Control::PeerMoved(const Rect& r) {
    if (r == bounds_) return;
    const bool resized = r.GetSize() != bounds_.GetSize();
    bounds_ = r;
    BoundsChanged();
    Realign(resized);
}

void Control::Realign(bool resized) {
    if (resized) AlignControls();
    if (align_ != Align::None && parent_) parent_->AlignControls();
}

void Control::SetAlign(Align a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->AlignControls();
}

void Control::AlignControls() {
    // Placing a child reports back here: one pass at a time.
    if (aligning_) return;
    struct Pass {
        bool& flag;
        explicit Pass(bool& f) : flag(f) { flag = true; }
        ~Pass() { flag = false; }
    } pass(aligning_);
    Rect area = AlignRect();
    for (Align edge : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* child : children_) {
            if (child->align_ != edge || !child->visible_) continue;
            const int w = std::min(child->Width(), std::max(0, area.Width()));
            const int h = std::min(child->Height(), std::max(0, area.Height()));
            switch (edge) {
                case Align::Top:
                    child->SetBounds(area.left, area.top, area.Width(), h);
                    area.top += h;
                    break;
                case Align::Bottom:
                    child->SetBounds(area.left, area.bottom - h, area.Width(), h);
                    area.bottom -= h;
                    break;
                case Align::Left:
                    child->SetBounds(area.left, area.top, w, area.Height());
                    area.left += w;
                    break;
                case Align::Right:
                    child->SetBounds(area.right - w, area.top, w, area.Height());
                    area.right -= w;
                    break;
                default:
                    child->SetBounds(area);
                    break;
            }
        }
    }
}

Point Control::OffsetInWindow() const {
    Point p;
    const Control* c = this;
    while (c && !c->IsWindowed()) {
        p = p + c->bounds_.TopLeft();
        c = c->parent_;
    }
    return p;
}

Point Control::ClientToScreen(Point p) const {
    const Control* c = this;
    while (c && !c->IsWindowed()) {
        p = p + c->bounds_.TopLeft();
        c = c->parent_;
    }
    if (c && c->peer_) return c->peer_->ClientToScreen(p);
    // Unrealized: accumulate the bounds up to the top.
    while (c) {
        p = p + c->bounds_.TopLeft();
        c = c->parent_;
    }
    return p;
}

Point Control::ScreenToClient(Point p) const {
    Point origin = ClientToScreen({0, 0});
    return p - origin;
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    // A top-level window gets its native window, and its controls theirs, when it first shows.
    if (v && !parent_ && !peer_) Realize();
    visible_ = v;
    if (!v && parent_) {
        if (parent_->hoveredChild_ == this) parent_->hoveredChild_ = nullptr;
        if (parent_->captureChild_ == this) parent_->SetMouseCapture(false);
    }
    NotifyPeer(Change::Visible);
    if (!IsWindowed() && parent_) parent_->InvalidateRect(bounds_);
    if (align_ != Align::None && parent_) parent_->AlignControls();
    VisibleChanged();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    NotifyPeer(Change::Enabled);
    EnabledChanged();
    Invalidate();
    AccessibleChanged(AccessEvent::StateChange);
}

void Control::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    NotifyPeer(Change::Caption);
    CaptionChanged();
    Invalidate();
    AccessibleChanged(AccessEvent::NameChange);
}

void Control::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    NotifyPeer(Change::Hint);
    AccessibleChanged(AccessEvent::NameChange);
}

void Control::SetFont(const Font& f) {
    parentFont_ = false;
    AdoptFont(f);
}

void Control::SetColor(Color c) {
    parentColor_ = false;
    AdoptColor(c);
}

void Control::SetParentFont(bool p) {
    parentFont_ = p;
    if (p && parent_) AdoptFont(parent_->font_);
}

void Control::SetParentColor(bool p) {
    parentColor_ = p;
    if (p && parent_) AdoptColor(parent_->color_);
}

void Control::AdoptFont(const Font& f) {
    if (f == font_) return;
    font_ = f;
    NotifyPeer(Change::Font);
    for (Control* child : children_)
        if (child->parentFont_) child->AdoptFont(f);
    FontChanged();
    Invalidate();
}

void Control::AdoptColor(Color c) {
    if (c == color_) return;
    color_ = c;
    NotifyPeer(Change::BackColor);
    for (Control* child : children_)
        if (child->parentColor_) child->AdoptColor(c);
    ColorChanged();
    Invalidate();
}

void Control::SetCursor(Cursor c) {
    cursor_ = c;
    NotifyPeer(Change::Cursor);
}

void Control::Paint(Canvas& canvas) {
    if (IsWindowed()) canvas.FillRect(ClientRect(), color_);
}

void Control::PaintWindow(Canvas& canvas) {
    Paint(canvas);
    for (Control* child : children_) {
        if (child->IsWindowed() || !child->visible_) continue;
        CanvasStateGuard guard(canvas);
        Point origin = canvas.Origin() + child->bounds_.TopLeft();
        canvas.SetClip(child->bounds_);
        canvas.SetOrigin(origin);
        child->PaintWindow(canvas);
    }
}

void Control::Invalidate() {
    InvalidateRect(ClientRect());
}

void Control::InvalidateRect(const Rect& r) {
    if (IsWindowed()) {
        if (peer_) peer_->Invalidate(r);
    } else if (parent_ && visible_) {
        parent_->InvalidateRect(r.Offset(bounds_.left, bounds_.top).Intersect(bounds_));
    }
}

void Control::Update() {
    Control* w = WindowedAncestor();
    if (w && w->peer_) w->peer_->Update();
}

bool Control::CanFocus() const {
    if (!IsWindowed()) return false;
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return true;
}

bool Control::Focused() const {
    return peer_ && peer_->HasFocus();
}

void Control::SetFocus() {
    if (peer_ && CanFocus()) peer_->SetFocus();
}

void Control::SetMouseCapture(bool capture) {
    if (IsWindowed()) {
        if (!capture) captureChild_ = nullptr;
        if (peer_) peer_->SetCapture(capture);
        return;
    }
    if (!parent_) return;
    Control* w = parent_->WindowedAncestor();
    if (!w) return;
    if (capture) {
        w->captureChild_ = this;
        if (w->peer_) w->peer_->SetCapture(true);
    } else if (w->captureChild_ == this) {
        w->captureChild_ = nullptr;
        if (w->peer_) w->peer_->SetCapture(false);
    }
}

bool Control::MouseCapture() const {
    if (IsWindowed()) return false;
    const Control* w = parent_;
    while (w && !w->IsWindowed()) w = w->parent_;
    return w && w->captureChild_ == this;
}

void Control::Realize() {
    if (IsWindowed() && !peer_) {
        if (parent_ && !parent_->WindowedAncestor()->peer_) return;
        peer_ = CreatePeer(app_->GetBackend().Peers());
    }
    for (Control* child : children_) child->Realize();
}

std::unique_ptr<ControlPeer> Control::CreatePeer(PeerFactory& factory) {
    return factory.MakeCustom(*this);
}

void Control::NotifyPeer(Change what) {
    if (peer_) peer_->Changed(what);
}

Control* Control::GraphicChildAt(Point p) const {
    // Topmost first: the last child paints last.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control* child = *it;
        if (child->IsWindowed() || !child->visible_) continue;
        if (child->bounds_.Contains(p)) {
            Point inner = p - child->bounds_.TopLeft();
            if (Control* deeper = child->GraphicChildAt(inner)) return deeper;
            return child;
        }
    }
    return nullptr;
}

namespace {
// P (in W's client) translated into TARGET's client; TARGET is W or a graphic descendant.
Point ToTarget(Control* target, Point p) {
    return p - target->OffsetInWindow();
}
}  // namespace

void Control::SetHovered(Control* child) {
    if (child == hoveredChild_) return;
    Control* old = hoveredChild_;
    hoveredChild_ = child;
    if (old) old->MouseLeave();
    if (child) child->MouseEnter();
    NotifyPeer(Change::Hint);
}

void Control::DispatchMouseDown(MouseButton b, Shift s, Point p) {
    Control* target = captureChild_ ? captureChild_ : GraphicChildAt(p);
    if (!target || !target->enabled_) target = this;
    if (b == MouseButton::Left) {
        // The pressed control keeps the mouse until the button is released.
        if (target != this) captureChild_ = target;
        if (peer_) peer_->SetCapture(true);
    }
    Point local = ToTarget(target, p);
    target->MouseDown(b, s, local);
}

void Control::DispatchMouseUp(MouseButton b, Shift s, Point p) {
    Control* target = captureChild_ ? captureChild_ : GraphicChildAt(p);
    if (!target || !target->enabled_) target = this;
    if (b == MouseButton::Left) {
        captureChild_ = nullptr;
        if (peer_) peer_->SetCapture(false);
    }
    Point local = ToTarget(target, p);
    target->MouseUp(b, s, local);
}

void Control::DispatchMouseMove(Shift s, Point p) {
    Control* under = GraphicChildAt(p);
    SetHovered(under && under->enabled_ ? under : nullptr);
    Control* target = captureChild_ ? captureChild_ : under;
    if (!target || !target->enabled_) target = this;
    Point local = ToTarget(target, p);
    target->MouseMove(s, local);
}

void Control::DispatchMouseLeave() {
    SetHovered(nullptr);
    MouseLeave();
}

std::string Control::HintAt(Point p) {
    Control* under = GraphicChildAt(p);
    Control* c = under ? under : this;
    return c->HintWithShortcut();
}

void Control::SetShortcut(int key, Shift mods) {
    shortcutKey_ = key;
    shortcutMods_ = mods;
}

std::string Control::ShortcutText() const {
    if (shortcutKey_ == 0) return {};
    return KeyName(shortcutKey_, shortcutMods_, App().Shared<KeyNames>());
}

std::string Control::HintWithShortcut() const {
    const std::string key = ShortcutText();
    if (key.empty()) return hint_;
    if (hint_.empty()) return key;
    return hint_ + " (" + key + ")";
}

Cursor Control::CursorAt(Point p) {
    Control* under = captureChild_ ? captureChild_ : GraphicChildAt(p);
    Control* c = under ? under : this;
    return c->cursor_;
}

void Control::MouseDown(MouseButton b, Shift s, Point p) {
    if (OnMouseDown) OnMouseDown(b, s, p);
    if (b == MouseButton::Left && (s & shift::kDouble) && OnDblClick) OnDblClick();
}
void Control::MouseUp(MouseButton b, Shift s, Point p) {
    if (OnMouseUp) OnMouseUp(b, s, p);
}
void Control::MouseMove(Shift s, Point p) {
    if (OnMouseMove) OnMouseMove(s, p);
}
void Control::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}
void Control::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}
void Control::KeyDown(int& key, Shift s) {
    if (OnKeyDown) OnKeyDown(key, s);
}
void Control::KeyUp(int& key, Shift s) {
    if (OnKeyUp) OnKeyUp(key, s);
}
void Control::KeyPress(char32_t& ch) {
    if (OnKeyPress) OnKeyPress(ch);
}
void Control::FocusEnter() {
    if (OnEnter) OnEnter();
}
void Control::FocusExit() {
    if (OnExit) OnExit();
}
bool Control::DialogChar(char32_t ch) {
    for (Control* child : children_)
        if (child->visible_ && child->enabled_ && child->DialogChar(ch)) return true;
    return false;
}
void Control::SystemColorsChanged() {
    for (Control* child : children_) child->SystemColorsChanged();
    Invalidate();
}

void Control::Click() {
    if (OnClick) OnClick();
}
std::string Control::AccessibleName() const {
    std::string name = StripPrefix(caption_, false).text;
    return name.empty() ? hint_ : name;
}

AccessState Control::AccessibleState() const {
    AccessState s = 0;
    if (!Enabled()) s |= access_state::kUnavailable;
    if (!Showing()) s |= access_state::kInvisible;
    if (IsWindowed() && tabStop_) s |= access_state::kFocusable;
    if (IsWindowed() && Focused()) s |= access_state::kFocused;
    return s;
}

bool Control::DoAccessibleDefaultAction() {
    if (AccessibleDefaultAction().empty() || !Enabled()) return false;
    Click();
    return true;
}

std::vector<Control*> Control::AccessibleParts() const {
    std::vector<Control*> parts;
    for (Control* child : children_)
        if (!child->IsWindowed() && child->Visible() && child->AccessibleRole() != AccessRole::None)
            parts.push_back(child);
    return parts;
}

void Control::AccessibleChanged(AccessEvent what) {
    if (IsWindowed()) {
        if (peer_) peer_->AccessibleEvent(what, 0);
        return;
    }
    if (!parent_ || !parent_->IsWindowed() || !parent_->peer_) return;
    const std::vector<Control*> parts = parent_->AccessibleParts();
    auto it = std::find(parts.begin(), parts.end(), this);
    if (it != parts.end())
        parent_->peer_->AccessibleEvent(what, static_cast<int>(it - parts.begin()) + 1);
}

bool Control::WantsKey(int key) const {
    (void)key;
    return false;
}

}  // namespace ui
