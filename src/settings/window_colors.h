#pragma once
// The colour chosen in the options window, put on each window's header bars (Color) and
// collapse panels (ColorBackground). The controls are found by name, so a window needs no
// code of its own to take the colour.

#include "ui/color.h"

namespace ui {
class Form;
}

namespace settings {

// The options window's and each tool window's: KVZXPHeader1 and KVZXPCollapsePanel1.
void ColorToolWindow(ui::Form* form, ui::Color color);
// The main window's: KVZXPHeader1, KVZXPCollapsePanel1, KVZXPHeader2, KVZXPCollapsePanel2.
void ColorMainWindow(ui::Form* form, ui::Color color);

}  // namespace settings
