#pragma once
// Glyph images of the speed buttons: image lists of one cell size shared by every button
// through the application's glyph cache, and the per-button holder that builds one image per
// state.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/geometry.h"

namespace ui {
class Application;
}

namespace controls {

// The state of a speed button.
enum class TButtonState : std::uint8_t { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

// An image list of fixed image size. Each image keeps the colour that marks its transparent
// pixels. Slots freed by Delete are reused by the next Add.
class GlyphList {
  public:
    GlyphList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Adds IMAGE (cell-sized) into the lowest free slot and returns that slot.
    int Add(const ui::Bitmap& image, ui::Color transparent);
    void Delete(int slot);
    int Count() const { return count_; }
    // Number of slots ever allocated (the list never shrinks).
    int Capacity() const { return static_cast<int>(slots_.size()); }
    bool Occupied(int slot) const;
    const ui::Bitmap& Image(int slot) const { return slots_.at(static_cast<size_t>(slot)).image; }
    ui::Color TransparentColor(int slot) const {
        return slots_.at(static_cast<size_t>(slot)).transparent;
    }

    // Masked drawing; with ENABLED false the image is drawn as a greyed, embossed silhouette.
    void Draw(ui::Canvas& canvas, int slot, int x, int y, bool enabled) const;

  private:
    struct Slot {
        ui::Bitmap image;
        ui::Color transparent = 0;
        bool used = false;
    };
    int width_;
    int height_;
    int count_ = 0;
    std::vector<Slot> slots_;
};

// The glyph lists of one application, keyed by cell size. It is in use while any holder
// exists or while it still holds a list.
class GlyphCache {
  public:
    // The application's cache.
    static GlyphCache& Of(ui::Application& app);

    // The list for WIDTH x HEIGHT cells: an existing one (newest first) or a new one.
    GlyphList* Acquire(int width, int height);
    // Gives LIST back; it is freed when it holds no images.
    void Release(GlyphList* list);
    // Number of lists in the cache, or -1 while it is not in use.
    int ListCount() const;

  private:
    friend class ButtonGlyph;
    void HolderCreated() { ++holders_; }
    void HolderDestroyed() { --holders_; }

    std::vector<std::unique_ptr<GlyphList>> lists_;
    int holders_ = 0;
};

// Draws the mask of IMAGE (pixels other than TRANSPARENT and white) as an embossed silhouette:
// one pixel right and down in HIGHLIGHT, then in place in SHADOW.
void DrawEmbossed(ui::Canvas& canvas, const ui::Bitmap& image, ui::Color transparent, int x, int y,
                  ui::Color highlight, ui::Color shadow);

// One button's glyph: the source bitmap with up to four cells side by side and the images
// built from it, one per button state.
class ButtonGlyph {
  public:
    // PER_STATE_CELLS: each state shows its own cell (0 up, 1 disabled, 2 down, 3 exclusive);
    // otherwise every state shows the first cell. The images live in CACHE.
    ButtonGlyph(GlyphCache& cache, bool perStateCells);
    ~ButtonGlyph();
    ButtonGlyph(const ButtonGlyph&) = delete;
    ButtonGlyph& operator=(const ButtonGlyph&) = delete;

    const ui::Bitmap& Glyph() const { return source_; }
    // Copies the bitmap; a width that is 1 to 4 times the height sets NumGlyphs.
    void SetGlyph(const ui::Bitmap& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    ui::Color TransparentColor() const { return transparent_; }
    // Cell size, or 0 x 0 without a glyph.
    ui::Size CellSize() const;

    // The list slot of the image for STATE, built on first use; -1 without a glyph.
    int ImageFor(TButtonState state, const ui::ColorResolver& colors);
    GlyphList* List() const { return list_; }
    // Drops the built images (for example after a system colour change).
    void ClearImages();

    std::function<void()> OnChange;

  private:
    void Changed();

    GlyphCache& cache_;
    bool perStateCells_;
    ui::Bitmap source_;
    int numGlyphs_ = 1;
    ui::Color transparent_ = ui::clOlive;
    GlyphList* list_ = nullptr;
    std::array<int, 4> slots_{-1, -1, -1, -1};
};

}  // namespace controls
