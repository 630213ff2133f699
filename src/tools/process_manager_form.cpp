#include "tools/process_manager_form.h"

#include "app/window_frame.h"

TForm6::TForm6(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form6");
    app::ApplyWindowFrame(*this, {"Process Manager Skarvel", 642, 271, true});
}

void TForm6::FormCreate() {
    app::ApplyToolWindowLanguage(program_, *this, settings::LanguageWindow::ProcessManager);
}
