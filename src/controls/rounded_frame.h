#pragma once
// The rounded one-pixel frame the XP push and speed buttons share.

#include "ui/canvas.h"

namespace controls {

// LINE round the W x H control; its four corner pixels in OUTSIDE (the parent's colour), the
// pixels just inside them in LINE, and the eight pixels beside the corners in CORNER.
inline void DrawRoundedFrame(ui::Canvas& canvas, int w, int h, ui::Color line, ui::Color outside,
                             ui::Color corner) {
    canvas.FillRect({0, 0, 1, h}, line);
    canvas.FillRect({0, h - 1, w, h}, line);
    canvas.FillRect({0, 0, w, 1}, line);
    canvas.FillRect({w - 1, 0, w, h}, line);
    for (ui::Point p : {ui::Point{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        canvas.SetPixel(p.x, p.y, outside);
    for (ui::Point p : {ui::Point{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}})
        canvas.SetPixel(p.x, p.y, line);
    for (ui::Point p : {ui::Point{1, 0},
                        {w - 2, 0},
                        {1, h - 1},
                        {w - 2, h - 1},
                        {0, 1},
                        {w - 1, 1},
                        {0, h - 2},
                        {w - 1, h - 2}})
        canvas.SetPixel(p.x, p.y, corner);
}

}  // namespace controls
