#pragma once
// The looks the main window's controls share (those of every window).

#include "controls/window_frame.h"

namespace mainform {

// Category captions, the status line and the file list: bold Arial in teal.
inline ui::Font TealBoldArial() { return controls::TealBoldArial(); }

// Header bars: teal, disabled (greyed, no mouse), bold caption in #055CE0.
inline void StyleHeader(controls::TKVZXPHeader& header) { controls::StyleHeaderBar(header); }

}  // namespace mainform
