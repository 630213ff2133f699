#pragma once
// Builds the frame every secondary window shares: caption, client size, fixed single border
// with the close box only, black background, placement. The windows add their contents.

#include <string>

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

}  // namespace controls
