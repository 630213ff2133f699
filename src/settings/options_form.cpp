#include "settings/options_form.h"

#include "app/window_frame.h"

TForm2::TForm2(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form2");
    app::ApplyWindowFrame(*this, {"Mechanical Options Skarvel", 361, 305, true});
}
