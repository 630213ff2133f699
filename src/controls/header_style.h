#pragma once
// The look of a window's header bar: teal, disabled (greyed, no mouse), bold caption in
// #055CE0. The main window, the options window and the tool windows share it.

#include "controls/kvzxp_header.h"

namespace controls {

inline void StyleWindowHeader(TKVZXPHeader& header) {
    ui::Font f = header.GetFont();
    f.bold = true;
    f.color = ui::Hex(0x055CE0);
    header.SetFont(f);
    header.SetColor(ui::clTeal);
    header.SetEnabled(false);
}

}  // namespace controls
