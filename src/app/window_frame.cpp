#include "app/window_frame.h"

#include "app/program.h"
#include "settings/language_files.h"

namespace app {

void ApplyWindowFrame(ui::Form& form, const WindowFrame& frame) {
    form.SetCaption(frame.caption);
    form.SetClientSize(frame.clientWidth, frame.clientHeight);
    form.SetBorderStyle(ui::BorderStyle::Single);
    form.SetBorderIcons(ui::border_icon::kSystemMenu);
    form.SetStayOnTop(frame.stayOnTop);
    form.SetPosition(frame.position);
    form.SetColor(ui::clBlack);
}

void ApplyToolWindowLanguage(Program& program, ui::Form& form, settings::LanguageWindow window) {
    settings::Languages languages(program.services);
    (void)languages.ApplyOnToolWindowCreate(window, {&form, {}});
}

}  // namespace app
