#pragma once
// The looks the main window's controls share.

#include "controls/kvzxp_header.h"
#include "ui/font.h"

namespace mainform {

// Category captions, the status line and the file list: bold Arial in teal.
inline ui::Font TealBoldArial() {
    ui::Font f;
    f.name = "Arial";
    f.size = 8;
    f.bold = true;
    f.color = ui::clTeal;
    return f;
}

// Header bars: teal, disabled (greyed, no mouse), bold caption in #055CE0.
inline void StyleHeader(controls::TKVZXPHeader& header) {
    ui::Font f = header.GetFont();
    f.bold = true;
    f.color = ui::Hex(0x055CE0);
    header.SetFont(f);
    header.SetColor(ui::clTeal);
    header.SetEnabled(false);
}

}  // namespace mainform
