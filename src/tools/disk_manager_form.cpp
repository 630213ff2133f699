#include "tools/disk_manager_form.h"

#include "controls/window_frame.h"

TForm5::TForm5(ui::Application& application, const settings::Languages& languages)
    : ui::Form(application), languages_(languages) {
    SetName("Form5");
    controls::ApplyWindowFrame(*this, {"Disk Manager Skarvel", 640, 271, false});
    OnCreate = [this] { FormCreate(); };
}

void TForm5::FormCreate() {
    (void)languages_.ApplyOnToolWindowCreate(settings::LanguageWindow::DiskManager, {this, {}});
}
