#pragma once
// How the category list lays out its group boxes: the group-select button at the top left of
// each, the category controls in a column to its right, one row each. The rows end one pixel
// short of the frame's right line (x = width - 3): a row is a window of its own and would cover
// the line.

#include <string>

#include "forms/main/main_form_style.h"
#include "ui/control.h"

namespace mainform {

constexpr int kGroupWidth = 172;
constexpr int kRowLeft = 28;
constexpr int kRowWidth = kGroupWidth - 4 - kRowLeft;
constexpr int kRowTop = 6;
constexpr int kRowStep = 19;
constexpr int kGroupGap = 3;

// The height of a group box of ROWS rows.
constexpr int GroupHeight(int rows) {
    return kRowTop + rows * kRowStep + 6;
}

// ROW as row INDEX of its group box, captioned CAPTION, on BACKGROUND.
inline void StyleRow(ui::Control& row, const std::string& caption, int index,
                     ui::Color background) {
    row.SetCaption(caption);
    row.SetBounds(kRowLeft, kRowTop + index * kRowStep, kRowWidth, 17);
    row.SetFont(TealBoldArial());
    row.SetColor(background);
}

}  // namespace mainform
