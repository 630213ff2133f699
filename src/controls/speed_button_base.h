#pragma once
// What the two speed buttons share: the glyph, the layout properties, latching groups
// (GroupIndex, Down, AllowAllUp), pressing and dragging with the mouse, and hover tracking.

#include "controls/button_glyph.h"
#include "controls/button_layout.h"
#include "ui/control.h"

namespace controls {

class SpeedButtonBase : public ui::GraphicControl {
  public:
    ~SpeedButtonBase() override;

    const ui::Bitmap& Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(const ui::Bitmap& bitmap);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    // Values above 4 become 4.
    void SetNumGlyphs(int n);

    bool Flat() const { return flat_; }
    void SetFlat(bool f);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Margin() const { return margin_; }
    // Only values >= -1 are taken.
    void SetMargin(int m);
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool Down() const { return down_; }
    void SetDown(bool d);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool a);

    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool Dragging() const { return dragging_; }
    ButtonGlyph& GlyphHolder() { return glyph_; }

    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseMove(ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool DialogChar(char32_t ch) override;
    void EnabledChanged() override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::PushButton; }
    ui::AccessState AccessibleState() const override;
    std::string AccessibleDefaultAction() const override { return "Press"; }

  protected:
    SpeedButtonBase(ui::Control* parent, bool perStateCells);

    // The left-button press of a mouse-down (repeat timers and such hook in here).
    virtual void PressStarted() {}
    // Hover rules differ a little between the two buttons.
    virtual bool MayEnter() const;
    virtual bool MayLeave() const;
    // Whether SENDER's group notifications concern this button.
    virtual bool SameKind(const SpeedButtonBase& other) const = 0;

    // Turns the pointer-over flag on or off and repaints.
    void SetHovered(bool hovered);
    // Hover from the real pointer position (flat, enabled buttons only).
    void UpdateTracking();
    // Disabled -> bsDisabled; re-enabled -> up or exclusive.
    void FixUpState();
    // 0 <= x < width and 0 <= y <= height: the bottom row counts, the right column does not.
    bool InsideForRelease(ui::Point p) const;
    bool AnyCapture() const;
    // Glyph and caption placement for the current properties.
    ButtonLayoutResult LayoutFor(ui::Canvas& canvas, ui::Point offset, ui::Size glyph);

    ButtonGlyph glyph_;
    TButtonState state_ = TButtonState::bsUp;
    bool dragging_ = false;
    bool mouseInControl_ = false;

  private:
    // Tells every sibling of the same kind about this button's group state.
    void NotifyGroup();
    void ButtonPressed(int groupIndex, SpeedButtonBase& sender);

    bool flat_ = false;
    bool transparent_ = true;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};

}  // namespace controls
