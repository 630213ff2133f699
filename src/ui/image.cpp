#include "ui/image.h"

#include <utility>

namespace ui {

void Image::SetPicture(Bitmap picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    if (picture_.Empty()) return;
    if (transparent_)
        canvas.DrawBitmapTransparent(0, 0, picture_, picture_.Pixel(0, picture_.Height() - 1));
    else
        canvas.DrawBitmap(0, 0, picture_);
}

}  // namespace ui
