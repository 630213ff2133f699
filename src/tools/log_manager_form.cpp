#include "tools/log_manager_form.h"

#include "app/window_frame.h"

TForm4::TForm4(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form4");
    app::ApplyWindowFrame(*this, {"Log Manager Skarvel", 641, 272, false});
}

void TForm4::FormCreate() {
    app::ApplyToolWindowLanguage(program_, *this, settings::LanguageWindow::LogManager);
}
