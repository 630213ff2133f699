#pragma once
// Builds the frame every secondary window shares: caption, client size, fixed single border
// with the close box only, black background, placement. The windows add their contents.

#include <string>

#include "settings/language_tables.h"
#include "ui/form.h"

namespace app {

struct WindowFrame {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    bool stayOnTop = false;
    ui::Position position = ui::Position::MainFormCenter;
};

void ApplyWindowFrame(ui::Form& form, const WindowFrame& frame);

struct Program;

// A tool window's creation: applies its section of the language file in use, if any.
void ApplyToolWindowLanguage(Program& program, ui::Form& form, settings::LanguageWindow window);

}  // namespace app
