#pragma once
// What the XP check box and radio button share: the 13 x 13 box and caption geometry, the
// hot / pressed / held / space-down states driven by mouse and keyboard, the caption and the
// focus rectangle.

#include <cstdint>

#include "controls/press_tracker.h"
#include "ui/control.h"

namespace controls {

enum class TLeftRight : std::uint8_t { taLeftJustify, taRightJustify };

class XPCheckControl : public ui::Control {
  public:
    // taRightJustify: box at the left, caption at its right; taLeftJustify: the other way.
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight a);

    bool Hot() const { return press_.Hot(); }
    bool Held() const { return press_.Held(); }
    bool IsPressed() const { return press_.Pressed(); }
    bool SpaceDown() const { return press_.SpaceDown(); }

    // The box rectangle: left, top, right (= left + 11) and bottom (= top + 12); the painted
    // square covers left .. left + 12 by top .. top + 12.
    ui::Rect BoxRect() const;
    // The caption rectangle for a caption TEXT_WIDTH pixels wide.
    ui::Rect CaptionRect(int textWidth) const;
    // The strip repainted when only the box changes.
    ui::Rect BoxStrip() const;

    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseMove(ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, ui::Shift s) override;
    void KeyUp(int& key, ui::Shift s) override;
    void FocusEnter() override;
    void FocusExit() override;
    bool DialogChar(char32_t ch) override;
    void EnabledChanged() override;
    ui::AccessState AccessibleState() const override;

  protected:
    explicit XPCheckControl(ui::Control* parent);

    // What the accelerator does once the control has the focus.
    virtual void AcceleratorAction() = 0;
    // Focus arrived other than through a mouse press.
    virtual void FocusedWithoutMouse() {}

    void RefreshBox();
    // Caption (filled with Color, disabled text greyed) and, when focused, the focus rectangle.
    void PaintCaption(ui::Canvas& canvas);

    ui::Color ResolvedTextColor() const;

  private:
    void PointerEnters();
    static bool NoModifiers(ui::Shift s);
    bool Inside(ui::Point p) const;

    TLeftRight alignment_ = TLeftRight::taRightJustify;
    PressTracker press_;
    bool pointerInside_ = false;
    bool focusingByMouse_ = false;
};

}  // namespace controls
