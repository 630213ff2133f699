#include "tools/log_manager_form.h"

#include "ui/application.h"

TForm4::TForm4(ui::Application& application, const tools::ToolWindowContext& context)
    : tools::ToolWindow(application, context,
                        {{"Log Manager Skarvel", 641, 272, false},
                         "Log Manager",
                         641,
                         233,
                         settings::LanguageWindow::LogManager,
                         true}) {
    SetName("Form4");
    AddExitButton(KVZXPSpeedButton3, "KVZXPSpeedButton3", ui::Rect::FromSize(584, 192, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton3Click(); });
    OnCreate = [this] { FormCreate(); };
}

void TForm4::FormCreate() { ApplyColorAndLanguage(); }

void TForm4::KVZXPSpeedButton3Click() {
    Cue(4);
    Hide();
    App().ShowMainWindow(ui::ShowCommand::Normal);
}
