#pragma once
// A window-less speed button painted in the XP look: gradient faces, an amber hot ring, a
// flat style that shows its face only under the pointer, auto-repeat and a drop-down menu.

#include <memory>

#include "controls/speed_button_base.h"
#include "ui/bitmap.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"

namespace controls {

class TKVZXPSpeedButton : public SpeedButtonBase {
  public:
    explicit TKVZXPSpeedButton(ui::Control* parent);
    ~TKVZXPSpeedButton() override;

    bool RepeatAction() const { return repeatAction_; }
    void SetRepeatAction(bool r) { repeatAction_ = r; }
    // The menu shown under the button when a mouse button is released; not owned.
    ui::PopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(ui::PopupMenu* menu);

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    // The system colours changed: rebuild the glyph images.
    void SystemColorsChanged() override;

    ui::Timer* RepeatTimer() const { return repeatTimer_.get(); }

  protected:
    void PressStarted() override;
    bool SameKind(const SpeedButtonBase& other) const override;

  private:
    void RepeatTick();
    void ShowDropDown();
    // Renders a vertical gradient into BITMAP and draws it at (x, y).
    void DrawGradient(ui::Canvas& canvas, ui::Bitmap& bitmap, int x, int y, int w, int h,
                      ui::Color top, ui::Color bottom, int steps);
    void PaintBorder(ui::Canvas& canvas);

    bool repeatAction_ = false;
    ui::PopupMenu* dropDownMenu_ = nullptr;
    std::unique_ptr<ui::Timer> repeatTimer_;
    ui::Bitmap face_;
    ui::Bitmap ring_;
};

}  // namespace controls
