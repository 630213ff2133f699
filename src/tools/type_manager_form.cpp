#include "tools/type_manager_form.h"

#include "app/window_frame.h"

TForm7::TForm7(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form7");
    app::ApplyWindowFrame(*this, {"Type Manager Skarvel", 641, 271, true});
}

void TForm7::FormCreate() {
    app::ApplyToolWindowLanguage(program_, *this, settings::LanguageWindow::TypeManager);
}
