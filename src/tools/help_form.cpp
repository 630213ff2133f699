#include "tools/help_form.h"

#include "controls/window_frame.h"

TForm3::TForm3(ui::Application& application) : ui::Form(application) {
    SetName("Form3");
    controls::ApplyWindowFrame(*this, {"Help Skarvel", 809, 527, false, ui::Position::Designed});
    SetWindowState(ui::WindowState::Maximized);
}
