#include "tools/disk_manager_form.h"

#include "app/window_frame.h"

TForm5::TForm5(app::Program& program) : ui::Form(program.application), program_(program) {
    SetName("Form5");
    app::ApplyWindowFrame(*this, {"Disk Manager Skarvel", 640, 271, false});
}

void TForm5::FormCreate() {
    app::ApplyToolWindowLanguage(program_, *this, settings::LanguageWindow::DiskManager);
}
