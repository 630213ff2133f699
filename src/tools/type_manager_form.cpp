#include "tools/type_manager_form.h"

#include "controls/window_frame.h"

TForm7::TForm7(ui::Application& application, const settings::Languages& languages)
    : ui::Form(application), languages_(languages) {
    SetName("Form7");
    controls::ApplyWindowFrame(*this, {"Type Manager Skarvel", 641, 271, true});
    OnCreate = [this] { FormCreate(); };
}

void TForm7::FormCreate() {
    (void)languages_.ApplyOnToolWindowCreate(settings::LanguageWindow::TypeManager, {this, {}});
}
