#include "tools/help_form.h"

#include "app/window_frame.h"

TForm3::TForm3(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form3");
    app::ApplyWindowFrame(*this, {"Help Skarvel", 809, 527, false, ui::Position::Designed});
    SetWindowState(ui::WindowState::Maximized);
}
