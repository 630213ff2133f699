#include "tools/disk_manager_form.h"

TForm5::TForm5(ui::Application& application, const tools::ToolWindowContext& context)
    : tools::ToolWindow(application, context,
                        {{"Disk Manager Skarvel", 640, 271, false},
                         "Disk Manager",
                         641,
                         233,
                         settings::LanguageWindow::DiskManager,
                         false}) {
    SetName("Form5");
    AddExitButton(KVZXPSpeedButton1, "KVZXPSpeedButton1", ui::Rect::FromSize(584, 191, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton1Click(); });
    OnCreate = [this] { FormCreate(); };
}

void TForm5::FormCreate() { ApplyColorAndLanguage(); }

void TForm5::KVZXPSpeedButton1Click() {
    Cue(4);
    Hide();
}
