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

void StyleHeaderBar(TKVZXPHeader& header) {
    ui::Font f = header.GetFont();
    f.bold = true;
    f.color = ui::Hex(0x055CE0);
    header.SetFont(f);
    header.SetColor(ui::clTeal);
    header.SetEnabled(false);
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
