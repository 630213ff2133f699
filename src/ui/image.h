#pragma once
// A picture painted by its parent, at the control's top-left corner and at its own size. A
// transparent image leaves out the pixels of the colour its bottom-left pixel has.

#include "ui/bitmap.h"
#include "ui/control.h"

namespace ui {

class Image : public GraphicControl {
  public:
    using GraphicControl::GraphicControl;

    const Bitmap& Picture() const { return picture_; }
    void SetPicture(Bitmap picture);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void Paint(Canvas& canvas) override;

  private:
    Bitmap picture_;
    bool transparent_ = false;
};

}  // namespace ui
