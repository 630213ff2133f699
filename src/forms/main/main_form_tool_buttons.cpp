// The main window's buttons that show the help page and the process and type managers, and
// the five launchers of system tools.

#include "forms/main/main_form.h"
#include "platform/shell.h"
#include "ui/application.h"

namespace {

struct ToolButtonRow {
    controls::TKVZXPSpeedButton TForm1::*button;
    void (TForm1::*click)();
};

constexpr ToolButtonRow kToolButtons[] = {
    {&TForm1::KVZXPSpeedButton1, &TForm1::KVZXPSpeedButton1Click},
    {&TForm1::KVZXPSpeedButton13, &TForm1::KVZXPSpeedButton13Click},
    {&TForm1::KVZXPSpeedButton14, &TForm1::KVZXPSpeedButton14Click},
    {&TForm1::KVZXPSpeedButton2, &TForm1::KVZXPSpeedButton2Click},
    {&TForm1::KVZXPSpeedButton5, &TForm1::KVZXPSpeedButton5Click},
    {&TForm1::KVZXPSpeedButton6, &TForm1::KVZXPSpeedButton6Click},
    {&TForm1::KVZXPSpeedButton7, &TForm1::KVZXPSpeedButton7Click},
    {&TForm1::KVZXPSpeedButton8, &TForm1::KVZXPSpeedButton8Click},
};

}  // namespace

void TForm1::ConnectToolButtons() {
    for (const ToolButtonRow& row : kToolButtons)
        (this->*row.button).OnClick = [this, click = row.click] { (this->*click)(); };
}

void TForm1::KVZXPSpeedButton1Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::Help);
}

void TForm1::KVZXPSpeedButton13Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::ProcessManager);
}

void TForm1::KVZXPSpeedButton14Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::TypeManager);
}

void TForm1::KVZXPSpeedButton2Click() {
    Launch("regedit");
}
void TForm1::KVZXPSpeedButton5Click() {
    Launch("cleanmgr.exe");
}
void TForm1::KVZXPSpeedButton6Click() {
    Launch("dxdiag");
}
void TForm1::KVZXPSpeedButton7Click() {
    Launch("msconfig");
}
void TForm1::KVZXPSpeedButton8Click() {
    Launch("services.msc");
}

void TForm1::Launch(const char* target) {
    Cue(settings::Cue::Window);
    // A tool that cannot be started is not reported: the program steps aside all the same.
    (void)services_.shell.StartProgram(App().MainWindowHandle(), target, "", platform::kShowNormal);
    App().ShowMainWindow(ui::ShowCommand::MinimizedNoActivate);
}
