#include "tools/process_manager_form.h"

#include "controls/window_frame.h"

TForm6::TForm6(ui::Application& application, const settings::Languages& languages)
    : ui::Form(application), languages_(languages) {
    SetName("Form6");
    controls::ApplyWindowFrame(*this, {"Process Manager Skarvel", 642, 271, true});
    OnCreate = [this] { FormCreate(); };
}

void TForm6::FormCreate() {
    (void)languages_.ApplyOnToolWindowCreate(settings::LanguageWindow::ProcessManager, {this, {}});
}
