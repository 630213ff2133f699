#pragma once
// A list of same-sized images with an optional transparent colour each. Controls that show an
// image of a list subscribe to hear when it changes or is destroyed.

#include <functional>
#include <vector>

#include "ui/bitmap.h"
#include "ui/canvas.h"

namespace ui {

class ImageList {
  public:
    ImageList(int width, int height) : width_(width), height_(height) {}
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds IMAGE (cut or padded to the list's size); pixels of TRANSPARENT are left out when
    // drawn (clNone: opaque). Returns the new index.
    int Add(const Bitmap& image, Color transparent = clNone);
    void Clear();
    // Draws image INDEX at (x, y); an index outside the list draws nothing.
    void Draw(Canvas& canvas, int x, int y, int index) const;

    // LISTENER(destroyed) runs after every change, and with true when the list is destroyed.
    int Subscribe(std::function<void(bool destroyed)> listener);
    void Unsubscribe(int token);

  private:
    struct Image {
        Bitmap bitmap;
        Color transparent;
    };
    struct Listener {
        int token;
        std::function<void(bool)> fn;
    };
    void Changed();

    int width_;
    int height_;
    std::vector<Image> images_;
    std::vector<Listener> listeners_;
    int nextToken_ = 1;
};

}  // namespace ui
