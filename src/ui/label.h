#pragma once
// A line of static text painted by its parent.

#include "ui/control.h"

namespace ui {

enum class Alignment { Left, Right, Center };

class Label : public GraphicControl {
  public:
    explicit Label(Control* parent);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);

    void Paint(Canvas& canvas) override;

  private:
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
};

}  // namespace ui
