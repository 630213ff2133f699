#include "controls/window_frame.h"

namespace controls {

void ApplyWindowFrame(ui::Form& form, const WindowFrame& frame) {
    form.SetCaption(frame.caption);
    form.SetClientSize(frame.clientWidth, frame.clientHeight);
    form.SetBorderStyle(ui::BorderStyle::Single);
    form.SetBorderIcons(ui::border_icon::kSystemMenu);
    form.SetStayOnTop(frame.stayOnTop);
    form.SetPosition(frame.position);
    form.SetColor(ui::clBlack);
}

ui::Font TealBoldArial() {
    ui::Font f;
    f.name = "Arial";
    f.size = 8;
    f.bold = true;
    f.color = ui::clTeal;
    return f;
}

}  // namespace controls
