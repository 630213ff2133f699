#include "controls/button_glyph.h"

#include <algorithm>

#include "ui/application.h"

namespace controls {

// ---- GlyphList

int GlyphList::Add(const ui::Bitmap& image, ui::Color transparent) {
    auto it = std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.used; });
    if (it == slots_.end()) it = slots_.insert(slots_.end(), Slot{});
    it->image = image;
    it->transparent = transparent & 0xFFFFFF;
    it->used = true;
    ++count_;
    return static_cast<int>(it - slots_.begin());
}

void GlyphList::Delete(int slot) {
    if (!Occupied(slot)) return;
    Slot& s = slots_[static_cast<size_t>(slot)];
    s.used = false;
    s.image = ui::Bitmap();
    --count_;
}

bool GlyphList::Occupied(int slot) const {
    return slot >= 0 && slot < Capacity() && slots_[static_cast<size_t>(slot)].used;
}

void GlyphList::Draw(ui::Canvas& canvas, int slot, int x, int y, bool enabled) const {
    if (!Occupied(slot)) return;
    const Slot& s = slots_[static_cast<size_t>(slot)];
    if (enabled)
        canvas.DrawBitmapTransparent(x, y, s.image, s.transparent);
    else
        DrawEmbossed(canvas, s.image, s.transparent, x, y, ui::clBtnHighlight, ui::clBtnShadow);
}

void DrawEmbossed(ui::Canvas& canvas, const ui::Bitmap& image, ui::Color transparent, int x, int y,
                  ui::Color highlight, ui::Color shadow) {
    ui::Color key = transparent & 0xFFFFFF;
    auto inMask = [&](int cx, int cy) {
        ui::Color c = image.Pixel(cx, cy);
        return c != key && c != ui::clWhite;
    };
    ui::Color hi = canvas.Resolve(highlight), sh = canvas.Resolve(shadow);
    for (int pass = 0; pass < 2; ++pass)
        for (int cy = 0; cy < image.Height(); ++cy)
            for (int cx = 0; cx < image.Width(); ++cx)
                if (inMask(cx, cy)) {
                    if (pass == 0)
                        canvas.SetPixel(x + cx + 1, y + cy + 1, hi);
                    else
                        canvas.SetPixel(x + cx, y + cy, sh);
                }
}

// ---- GlyphCache

GlyphCache& GlyphCache::Of(ui::Application& app) {
    return app.Shared<GlyphCache>();
}

GlyphList* GlyphCache::Acquire(int width, int height) {
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
    lists_.push_back(std::make_unique<GlyphList>(width, height));
    return lists_.back().get();
}

void GlyphCache::Release(GlyphList* list) {
    if (!list || list->Count() != 0) return;
    lists_.erase(
        std::remove_if(lists_.begin(), lists_.end(),
                       [&](const std::unique_ptr<GlyphList>& l) { return l.get() == list; }),
        lists_.end());
}

int GlyphCache::ListCount() const {
    if (holders_ == 0 && lists_.empty()) return -1;
    return static_cast<int>(lists_.size());
}

// ---- ButtonGlyph

ButtonGlyph::ButtonGlyph(GlyphCache& cache, bool perStateCells)
    : cache_(cache), perStateCells_(perStateCells) {
    cache_.HolderCreated();
}

ButtonGlyph::~ButtonGlyph() {
    ClearImages();
    cache_.HolderDestroyed();
}

void ButtonGlyph::ClearImages() {
    for (int& slot : slots_) {
        if (slot >= 0 && list_) list_->Delete(slot);
        slot = -1;
    }
    if (list_) {
        GlyphList* old = list_;
        list_ = nullptr;
        cache_.Release(old);
    }
}

void ButtonGlyph::SetGlyph(const ui::Bitmap& bitmap) {
    ClearImages();
    source_ = bitmap;
    if (source_.Height() > 0) {
        // The bottom-left pixel marks the transparent parts.
        transparent_ = source_.Pixel(0, source_.Height() - 1);
        if (source_.Width() % source_.Height() == 0) {
            int n = source_.Width() / source_.Height();
            numGlyphs_ = (n > 0 && n < 5) ? n : 1;
        }
    }
    Changed();
}

void ButtonGlyph::SetNumGlyphs(int n) {
    if (n <= 0 || n == numGlyphs_) return;
    ClearImages();
    numGlyphs_ = n;
    Changed();
}

void ButtonGlyph::Changed() {
    if (OnChange) OnChange();
}

ui::Size ButtonGlyph::CellSize() const {
    if (source_.Empty()) return {0, 0};
    return {source_.Width() / numGlyphs_, source_.Height()};
}

int ButtonGlyph::ImageFor(TButtonState state, const ui::ColorResolver& colors) {
    if (state == TButtonState::bsDown && numGlyphs_ < 3) state = TButtonState::bsUp;
    int& slot = slots_[static_cast<size_t>(state)];
    if (slot >= 0) return slot;
    if (source_.Empty()) return -1;
    ui::Size cell = CellSize();
    if (cell.width <= 0) return -1;
    if (!list_) list_ = cache_.Acquire(cell.width, cell.height);

    int index = perStateCells_ ? static_cast<int>(state) : 0;
    if (index >= numGlyphs_) index = 0;
    ui::Color face = colors.Resolve(ui::clBtnFace);
    ui::Bitmap image(cell.width, cell.height, face);
    image.CopyFrom(source_, ui::Rect::FromSize(index * cell.width, 0, cell.width, cell.height), 0,
                   0);

    if (perStateCells_ && state == TButtonState::bsDisabled) {
        ui::Color highlight = colors.Resolve(ui::clBtnHighlight);
        ui::Color shadow = colors.Resolve(ui::clBtnShadow);
        if (numGlyphs_ == 1) {
            // An embossed silhouette of the single cell's mask (every pixel not of the
            // transparent colour, white ones too) on the button face.
            ui::Bitmap emboss(cell.width, cell.height, face);
            const struct {
                ui::Color ink;
                int shift;
            } passes[] = {{highlight, 1}, {shadow, 0}};
            for (const auto& pass : passes)
                for (int y = 0; y < cell.height; ++y)
                    for (int x = 0; x < cell.width; ++x)
                        if (image.Pixel(x, y) != transparent_)
                            emboss.PutPixel(x + pass.shift, y + pass.shift, pass.ink);
            image = std::move(emboss);
        } else {
            // The drawn disabled cell, mapped to the system's 3-D colours.
            for (ui::Color& c : image.Pixels()) {
                if (c == ui::clWhite)
                    c = highlight;
                else if (c == ui::clGray)
                    c = shadow;
                else if (c == transparent_)
                    c = face;
            }
        }
    }
    slot = list_->Add(image, transparent_);
    return slot;
}

}  // namespace controls
