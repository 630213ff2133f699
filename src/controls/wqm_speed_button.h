#pragma once
// A flat speed button that shows a second, hot glyph under the pointer. In the borderless
// flat style it draws no frame at all; it can drop a menu down from itself.

#include <cstdint>
#include <functional>

#include "controls/speed_button_base.h"
#include "ui/popup_menu.h"

namespace controls {

enum class TWQMSpeedBtnFlatStyle : std::uint8_t { bfsStandard, bfsBorderless };

class TWQMSpeedButton : public SpeedButtonBase {
  public:
    explicit TWQMSpeedButton(ui::Control* parent);
    ~TWQMSpeedButton() override;

    const ui::Bitmap& HotGlyph() const { return hotGlyph_.Glyph(); }
    void SetHotGlyph(const ui::Bitmap& bitmap);
    int NumHotGlyphs() const { return hotGlyph_.NumGlyphs(); }
    void SetNumHotGlyphs(int n);
    TWQMSpeedBtnFlatStyle FlatStyle() const { return flatStyle_; }
    void SetFlatStyle(TWQMSpeedBtnFlatStyle s);
    ui::PopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(ui::PopupMenu* menu);
    bool MenuDropped() const { return menuDropped_; }

    // May set ALLOW to false to keep the menu from dropping down.
    std::function<void(ui::Control& sender, bool& allow)> OnBeforeDropDownMenu;

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;

  protected:
    bool MayEnter() const override;
    bool MayLeave() const override;
    bool SameKind(const SpeedButtonBase& other) const override;

  private:
    bool Borderless() const { return flatStyle_ == TWQMSpeedBtnFlatStyle::bfsBorderless; }
    void DropMenu();
    void PaintBorderless(ui::Canvas& canvas);
    void PaintStandard(ui::Canvas& canvas);
    // Glyph and caption, shared by both looks.
    void PaintContents(ui::Canvas& canvas, ui::Point offset);
    void FillCheckerboard(ui::Canvas& canvas);

    ButtonGlyph hotGlyph_;
    TWQMSpeedBtnFlatStyle flatStyle_ = TWQMSpeedBtnFlatStyle::bfsStandard;
    ui::PopupMenu* dropDownMenu_ = nullptr;
    bool menuDropped_ = false;
};

}  // namespace controls
