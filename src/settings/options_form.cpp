#include "settings/options_form.h"

#include "app/main_form.h"
#include "app/window_frame.h"
#include "settings/language_files.h"

TForm2::TForm2(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form2");
    app::ApplyWindowFrame(*this, {"Mechanical Options Skarvel", 361, 305, true});
}

void TForm2::FormCreate() {
    settings::Languages languages(program_.services);
    (void)languages.ApplyOnOptionsCreate(program_.Form1->TextTarget(), {this});
}
