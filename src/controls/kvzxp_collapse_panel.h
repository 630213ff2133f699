#pragma once
// A framed container shown beneath a header bar: a background colour around a filled area
// with left, right and bottom frame lines.

#include <vector>

#include "ui/control.h"

namespace controls {

class TKVZXPHeader;

class TKVZXPCollapsePanel : public ui::Control {
  public:
    explicit TKVZXPCollapsePanel(ui::Control* parent);
    ~TKVZXPCollapsePanel() override;

    // Side inset of the framed area, 0..30.
    int Border() const { return border_; }
    void SetBorder(int border);
    ui::Color ColorFrame() const { return colorFrame_; }
    void SetColorFrame(ui::Color c);
    ui::Color ColorBackground() const { return colorBackground_; }
    void SetColorBackground(ui::Color c);
    // Color() (the fill of the framed area) is the control's own colour.

    // Where aligned children are placed: inside the frame.
    ui::Rect AlignRect() const override;

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;

  private:
    friend class TKVZXPHeader;
    std::vector<TKVZXPHeader*> linkedBy_;
    int border_ = 4;
    ui::Color colorFrame_ = ui::Hex(0xFFFFFF);
    ui::Color colorBackground_ = ui::Hex(0x538DFB);
    bool clicked_ = false;
};

// Keeps a border value in the 0..30 range both controls accept.
int ClampBorder(int border);

}  // namespace controls
