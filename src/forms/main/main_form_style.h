#pragma once
// The looks the main window's controls share (those of every window).

#include "controls/header_style.h"
#include "controls/window_frame.h"
#include "ui/font.h"

namespace mainform {

// Category captions, the status line and the file list: bold Arial in teal.
inline ui::Font TealBoldArial() {
    return controls::TealBoldArial();
}

}  // namespace mainform
