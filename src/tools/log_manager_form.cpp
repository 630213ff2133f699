#include "tools/log_manager_form.h"

#include "controls/window_frame.h"

TForm4::TForm4(ui::Application& application, const settings::Languages& languages)
    : ui::Form(application), languages_(languages) {
    SetName("Form4");
    controls::ApplyWindowFrame(*this, {"Log Manager Skarvel", 641, 272, false});
    OnCreate = [this] { FormCreate(); };
}

void TForm4::FormCreate() {
    (void)languages_.ApplyOnToolWindowCreate(settings::LanguageWindow::LogManager, {this, {}});
}
