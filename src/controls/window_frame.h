#pragma once
// Builds the frame every secondary window shares: caption, client size, fixed single border
// with the close box only, black background, placement. The windows add their contents.
// Also the looks every window's content shares: the header bars and the teal bold text.

#include <string>

#include "controls/kvzxp_header.h"
#include "ui/font.h"
#include "ui/form.h"

namespace controls {

struct WindowFrame {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    bool stayOnTop = false;
    ui::Position position = ui::Position::MainFormCenter;
};

void ApplyWindowFrame(ui::Form& form, const WindowFrame& frame);

// Captions, lists and text boxes: bold 8-point Arial in teal.
ui::Font TealBoldArial();

}  // namespace controls
