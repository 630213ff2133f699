#include "ui/image_list.h"

#include <algorithm>

namespace ui {

ImageList::~ImageList() {
    // Listeners may unsubscribe while being told.
    std::vector<Listener> listeners = std::move(listeners_);
    listeners_.clear();
    for (Listener& l : listeners) l.fn(true);
}

int ImageList::Add(const Bitmap& image, Color transparent) {
    Bitmap cell(width_, height_, transparent == clNone ? clWhite : transparent);
    cell.CopyFrom(image, {0, 0, image.Width(), image.Height()}, 0, 0);
    images_.push_back({std::move(cell), transparent});
    Changed();
    return Count() - 1;
}

void ImageList::Clear() {
    images_.clear();
    Changed();
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    const Image& image = images_[static_cast<size_t>(index)];
    if (image.transparent == clNone)
        canvas.DrawBitmap(x, y, image.bitmap);
    else
        canvas.DrawBitmapTransparent(x, y, image.bitmap, image.transparent);
}

int ImageList::Subscribe(std::function<void(bool)> listener) {
    listeners_.push_back({nextToken_, std::move(listener)});
    return nextToken_++;
}

void ImageList::Unsubscribe(int token) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [&](const Listener& l) { return l.token == token; }),
                     listeners_.end());
}

void ImageList::Changed() {
    std::vector<Listener> listeners = listeners_;
    for (Listener& l : listeners) l.fn(false);
}

}  // namespace ui
