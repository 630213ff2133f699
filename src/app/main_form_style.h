#pragma once
// The looks the main window's controls share.

#include "controls/header_style.h"
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

// Header bars: the look every window's header shares.
inline void StyleHeader(controls::TKVZXPHeader& header) { controls::StyleWindowHeader(header); }

}  // namespace mainform
