#include "controls/glyphs/button_glyphs.h"

#include <utility>

#include "ui/raster_canvas.h"

namespace glyphs {

namespace {

using ui::Hex;

// Drawing helpers over a magenta bitmap. Rectangles are half-open; Line includes both ends.
class Painter {
  public:
    Painter(int w, int h) : bitmap_(w, h, kTransparent), canvas_(bitmap_) {}

    void Fill(ui::Rect r, ui::Color c) { canvas_.FillRect(r, c); }
    void Frame(ui::Rect r, ui::Color c) { canvas_.FrameRect(r, c); }
    void Box(ui::Rect r, ui::Color fill, ui::Color edge) {
        Fill(r, fill);
        Frame(r, edge);
    }
    void Disc(ui::Rect r, ui::Color fill, ui::Color edge) {
        canvas_.pen = {edge, 1, ui::PenStyle::Solid};
        canvas_.brush = {fill, ui::BrushStyle::Solid};
        canvas_.Ellipse(r);
    }
    void Line(int x0, int y0, int x1, int y1, ui::Color c) {
        canvas_.pen = {c, 1, ui::PenStyle::Solid};
        canvas_.MoveTo(x0, y0);
        canvas_.LineTo(x1, y1);
        canvas_.SetPixel(x1, y1, c);
    }
    void Px(int x, int y, ui::Color c) { bitmap_.PutPixel(x, y, c); }
    // A tick whose corner is at (x, y), strokes 2 pixels thick.
    void Tick(int x, int y, ui::Color c) {
        for (int d = 0; d < 2; ++d) {
            Line(x - 3, y - 3 + d, x, y + d, c);
            Line(x, y + d, x + 6, y - 6 + d, c);
        }
    }
    ui::Bitmap Take() {
        // The bottom-left pixel names the transparent colour.
        bitmap_.SetPixel(0, bitmap_.Height() - 1, kTransparent);
        return std::move(bitmap_);
    }

  private:
    ui::Bitmap bitmap_;
    ui::RasterCanvas canvas_;
};

constexpr ui::Color kInk = Hex(0x303030), kGrey = Hex(0x808080), kSilver = Hex(0xC0C0C0),
                    kWhite = Hex(0xFFFFFF), kBlue = Hex(0x2E63C8), kNavy = Hex(0x1B3F8A),
                    kGreen = Hex(0x28A038), kDarkGreen = Hex(0x1A6E26), kRed = Hex(0xC82828),
                    kDarkRed = Hex(0x8A1B1B), kYellow = Hex(0xF0C020), kTeal = Hex(0x006C6C);

void Page(Painter& p) {
    p.Box({3, 1, 13, 15}, kWhite, kGrey);
}

void Drive(Painter& p, int top) {
    p.Box({1, top, 15, top + 7}, kSilver, Hex(0x505050));
    p.Line(2, top + 1, 13, top + 1, kWhite);
    p.Line(3, top + 4, 8, top + 4, kGrey);
    p.Fill({11, top + 4, 13, top + 5}, Hex(0x20E020));
}

ui::Bitmap Help() {
    Painter p(16, 16);
    p.Disc({0, 0, 16, 16}, kBlue, kNavy);
    p.Fill({6, 3, 10, 5}, kWhite);
    p.Fill({9, 4, 11, 7}, kWhite);
    p.Fill({8, 6, 10, 9}, kWhite);
    p.Fill({7, 8, 9, 10}, kWhite);
    p.Fill({5, 4, 7, 6}, kWhite);
    p.Fill({7, 11, 9, 13}, kWhite);
    return p.Take();
}

ui::Bitmap LogManager() {
    Painter p(16, 16);
    Page(p);
    for (int y = 4; y <= 12; y += 2) p.Line(5, y, y == 12 ? 8 : 10, y, kBlue);
    return p.Take();
}

ui::Bitmap DiskManager() {
    Painter p(16, 16);
    Drive(p, 5);
    return p.Take();
}

ui::Bitmap ProcessManager() {
    Painter p(16, 16);
    p.Box({1, 2, 15, 14}, kWhite, kNavy);
    p.Fill({1, 2, 15, 5}, kBlue);
    p.Fill({4, 9, 6, 13}, kGreen);
    p.Fill({7, 6, 9, 13}, kGreen);
    p.Fill({10, 8, 12, 13}, kGreen);
    return p.Take();
}

ui::Bitmap TypeManager() {
    Painter p(16, 16);
    Page(p);
    const ui::Color marks[3] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        int y = 4 + 3 * i;
        p.Fill({5, y, 7, y + 2}, marks[i]);
        p.Line(8, y, 11, y, kGrey);
    }
    return p.Take();
}

ui::Bitmap MechanicalOptions() {
    Painter p(16, 16);
    const ui::Color steel = Hex(0x707070);
    p.Fill({7, 1, 9, 15}, steel);
    p.Fill({1, 7, 15, 9}, steel);
    for (auto [x, y] : {std::pair{3, 3}, {11, 3}, {3, 11}, {11, 11}})
        p.Fill({x, y, x + 2, y + 2}, steel);
    p.Disc({3, 3, 13, 13}, Hex(0x909090), Hex(0x505050));
    p.Disc({6, 6, 10, 10}, kTransparent, Hex(0x505050));
    return p.Take();
}

ui::Bitmap Regedit() {
    Painter p(16, 16);
    p.Box({5, 2, 11, 8}, Hex(0x5A8AE0), kNavy);
    p.Box({2, 8, 8, 14}, Hex(0x5A8AE0), kNavy);
    p.Box({8, 8, 14, 14}, Hex(0x40B0E0), kNavy);
    return p.Take();
}

ui::Bitmap CleanDisk() {
    Painter p(16, 16);
    Drive(p, 8);
    p.Line(11, 0, 11, 6, kYellow);
    p.Line(8, 3, 14, 3, kYellow);
    p.Line(9, 1, 13, 5, kYellow);
    p.Line(13, 1, 9, 5, kYellow);
    p.Px(11, 3, kWhite);
    p.Px(4, 2, kYellow);
    p.Px(3, 5, kYellow);
    return p.Take();
}

ui::Bitmap DirectXOptions() {
    Painter p(16, 16);
    for (int d = 0; d < 3; ++d) {
        p.Line(1 + d, 2, 12 + d, 13, kRed);
        p.Line(12 + d, 2, 1 + d, 13, kRed);
    }
    p.Line(1, 2, 12, 13, kDarkRed);
    return p.Take();
}

ui::Bitmap SystemOptions() {
    Painter p(16, 16);
    p.Box({1, 1, 15, 11}, Hex(0x3A7BD5), kInk);
    p.Fill({6, 11, 10, 13}, kGrey);
    p.Fill({4, 13, 12, 15}, kInk);
    p.Line(4, 5, 6, 7, kWhite);
    p.Line(6, 7, 11, 3, kWhite);
    return p.Take();
}

ui::Bitmap SystemServices() {
    Painter p(16, 16);
    p.Box({0, 1, 16, 15}, kWhite, kGrey);
    const ui::Color bullets[3] = {kGreen, kGreen, kRed};
    for (int i = 0; i < 3; ++i) {
        int y = 3 + 4 * i;
        p.Fill({2, y, 5, y + 3}, bullets[i]);
        p.Line(7, y + 1, 13, y + 1, kNavy);
    }
    return p.Take();
}

ui::Bitmap All() {
    Painter p(16, 16);
    p.Tick(5, 12, kGreen);
    p.Tick(8, 9, kDarkGreen);
    return p.Take();
}

ui::Bitmap Nothing() {
    Painter p(16, 16);
    for (int d = 0; d < 2; ++d) {
        p.Line(3 + d, 3, 11 + d, 11, kRed);
        p.Line(11 + d, 3, 3 + d, 11, kRed);
    }
    return p.Take();
}

// Two pages, the front one shifted down and right.
ui::Bitmap CopyLogs() {
    Painter p(16, 16);
    p.Box({1, 1, 9, 11}, kWhite, kGrey);
    p.Box({6, 5, 15, 15}, kWhite, kNavy);
    for (int y = 8; y <= 12; y += 2) p.Line(8, y, 12, y, kBlue);
    return p.Take();
}

// A page struck through by a red cross.
ui::Bitmap DeleteLogs() {
    Painter p(16, 16);
    Page(p);
    for (int y = 4; y <= 12; y += 2) p.Line(5, y, 10, y, kSilver);
    for (int d = 0; d < 2; ++d) {
        p.Line(4 + d, 5, 11 + d, 12, kRed);
        p.Line(11 + d, 5, 4 + d, 12, kRed);
    }
    return p.Take();
}

// A circular arrow: a green ring open at the top right, with its head there.
ui::Bitmap ListRefresh() {
    Painter p(16, 16);
    p.Disc({2, 2, 14, 14}, kTransparent, kDarkGreen);
    p.Disc({3, 3, 13, 13}, kTransparent, kGreen);
    p.Fill({9, 1, 15, 7}, kTransparent);
    p.Fill({9, 2, 14, 3}, kDarkGreen);
    p.Fill({12, 2, 14, 7}, kDarkGreen);
    return p.Take();
}

// A floppy disk.
ui::Bitmap SaveToFile() {
    Painter p(16, 16);
    p.Box({1, 1, 15, 15}, kBlue, kNavy);
    p.Box({4, 1, 12, 7}, kWhite, kNavy);
    p.Fill({9, 2, 11, 6}, kNavy);
    p.Box({4, 10, 12, 15}, kSilver, kNavy);
    return p.Take();
}

// A magnifying glass over a page: look before cleaning.
ui::Bitmap Analyze() {
    Painter p(16, 16);
    Page(p);
    p.Disc({2, 2, 11, 11}, Hex(0xDCEBFF), kNavy);
    p.Disc({4, 4, 9, 9}, kWhite, kWhite);
    for (int d = 0; d < 2; ++d) p.Line(9 + d, 10, 13 + d, 14, kInk);
    return p.Take();
}

// A page with a list of rules and a broom's green mark: definitions of what to clean.
ui::Bitmap Definitions() {
    Painter p(16, 16);
    Page(p);
    for (int y = 4; y <= 8; y += 2) p.Line(5, y, 10, y, kTeal);
    p.Tick(8, 12, kGreen);
    return p.Take();
}

// A padlock: what is kept.
ui::Bitmap KeepList() {
    Painter p(16, 16);
    p.Frame({4, 1, 12, 9}, kGrey);
    p.Frame({5, 2, 11, 9}, kGrey);
    p.Box({2, 7, 14, 15}, kYellow, Hex(0x8A6A10));
    p.Fill({7, 9, 9, 13}, Hex(0x8A6A10));
    return p.Take();
}

// A green plus in the bottom right corner.
void Plus(Painter& p) {
    p.Fill({9, 11, 16, 13}, kGreen);
    p.Fill({11, 9, 13, 16}, kGreen);
}

ui::Bitmap AddFile() {
    Painter p(16, 16);
    p.Box({2, 1, 11, 14}, kWhite, kGrey);
    Plus(p);
    return p.Take();
}

ui::Bitmap AddFolder() {
    Painter p(16, 16);
    p.Box({1, 4, 13, 13}, kYellow, Hex(0x8A6A10));
    p.Fill({1, 2, 6, 4}, Hex(0x8A6A10));
    Plus(p);
    return p.Take();
}

// A text cursor beside the plus: a pattern typed in.
ui::Bitmap AddPattern() {
    Painter p(16, 16);
    p.Box({1, 4, 10, 11}, kWhite, kGrey);
    p.Line(3, 6, 3, 9, kInk);
    Plus(p);
    return p.Take();
}

ui::Bitmap RemoveItem() {
    Painter p(16, 16);
    for (int d = 0; d < 2; ++d) {
        p.Line(3 + d, 3, 12 + d, 12, kRed);
        p.Line(12 + d, 3, 3 + d, 12, kRed);
    }
    return p.Take();
}

}  // namespace

ui::Bitmap ToolGlyph(Tool tool) {
    switch (tool) {
        case Tool::Help:
            return Help();
        case Tool::LogManager:
            return LogManager();
        case Tool::DiskManager:
            return DiskManager();
        case Tool::ProcessManager:
            return ProcessManager();
        case Tool::TypeManager:
            return TypeManager();
        case Tool::MechanicalOptions:
            return MechanicalOptions();
        case Tool::Regedit:
            return Regedit();
        case Tool::CleanDisk:
            return CleanDisk();
        case Tool::DirectXOptions:
            return DirectXOptions();
        case Tool::SystemOptions:
            return SystemOptions();
        case Tool::SystemServices:
            return SystemServices();
        case Tool::All:
            return All();
        case Tool::Nothing:
            return Nothing();
        case Tool::CopyLogs:
            return CopyLogs();
        case Tool::DeleteLogs:
            return DeleteLogs();
        case Tool::ListRefresh:
            return ListRefresh();
        case Tool::SaveToFile:
            return SaveToFile();
        case Tool::Analyze:
            return Analyze();
        case Tool::Definitions:
            return Definitions();
        case Tool::KeepList:
            return KeepList();
        case Tool::AddFile:
            return AddFile();
        case Tool::AddFolder:
            return AddFolder();
        case Tool::AddPattern:
            return AddPattern();
        case Tool::RemoveItem:
            return RemoveItem();
    }
    return {};
}

ui::Bitmap BeginGlyph() {
    Painter p(32, 32);
    p.Disc({1, 1, 31, 31}, kGreen, kDarkGreen);
    p.Disc({4, 3, 24, 15}, Hex(0x5CC06A), Hex(0x5CC06A));
    // A play arrow: rows 8..24, widest in the middle.
    for (int y = 8; y <= 24; ++y) {
        int half = 8 - (y < 16 ? 16 - y : y - 16);
        p.Fill({12, y, 12 + (half * 3 + 1) / 2 + 1, y + 1}, kWhite);
    }
    return p.Take();
}

ui::Bitmap StopGlyph() {
    Painter p(32, 32);
    p.Disc({1, 1, 31, 31}, kRed, kDarkRed);
    p.Disc({4, 3, 24, 15}, Hex(0xE06060), Hex(0xE06060));
    p.Fill({10, 10, 22, 22}, kWhite);
    return p.Take();
}

ui::Bitmap ExitGlyph() {
    Painter p(32, 32);
    p.Disc({1, 1, 31, 31}, kRed, kDarkRed);
    p.Disc({8, 8, 24, 24}, kWhite, kWhite);
    p.Disc({11, 11, 21, 21}, kRed, kRed);
    p.Fill({13, 5, 19, 16}, kRed);
    p.Fill({15, 5, 17, 16}, kWhite);
    return p.Take();
}

ui::Bitmap GroupSelectGlyph(bool hot) {
    Painter p(16, 16);
    p.Box({1, 1, 15, 15}, kWhite, kTeal);
    if (hot) p.Frame({2, 2, 14, 14}, Hex(0xFFC251));
    p.Tick(6, 10, hot ? Hex(0x30D040) : kGreen);
    return p.Take();
}

CursorImage HandCursor() {
    // The hand as a union of rectangles: fingers, palm and thumb.
    const ui::Rect parts[] = {{5, 0, 9, 12},   {9, 4, 12, 12}, {12, 5, 15, 12},
                              {15, 6, 17, 12}, {4, 9, 17, 17}, {5, 17, 16, 20},
                              {1, 8, 4, 11},   {2, 10, 5, 14}, {3, 12, 5, 16}};
    auto inHand = [&](int x, int y) {
        for (const ui::Rect& r : parts)
            if (r.Contains({x, y})) return true;
        return false;
    };
    ui::Bitmap image(32, 32, kTransparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!inHand(x, y)) continue;
            bool edge =
                !inHand(x - 1, y) || !inHand(x + 1, y) || !inHand(x, y - 1) || !inHand(x, y + 1);
            image.SetPixel(x, y, edge ? ui::clBlack : ui::clWhite);
        }
    // Creases between the fingers.
    for (int x : {9, 12, 15})
        for (int y = 6; y < 10; ++y) image.SetPixel(x, y, ui::clBlack);
    return {std::move(image), {6, 0}};
}

}  // namespace glyphs
