#include "app/main_form.h"

#include "platform/system.h"
#include "settings/options_form.h"
#include "tools/disk_manager_form.h"
#include "tools/log_manager_form.h"
#include "tools/process_manager_form.h"
#include "tools/type_manager_form.h"
#include "ui/application.h"

namespace {

const std::string kRule(51, '_');

ui::Font TealBoldArial() {
    ui::Font f;
    f.name = "Arial";
    f.size = 8;
    f.bold = true;
    f.color = ui::clTeal;
    return f;
}

}  // namespace

TForm1::TForm1(app::Program& program)
    : ui::Form(program.application),
      Memo1(this),
      Label2(this),
      Timer1(program.application),
      program_(program) {
    SetName("Form1");
    SetCaption(std::string("System cleaning utility ") + kProductVersion);
    SetClientSize(641, 504);
    SetColor(ui::clBlack);
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(ui::border_icon::kSystemMenu | ui::border_icon::kMinimize);
    SetPosition(ui::Position::DesktopCenter);

    Memo1.SetName("Memo1");
    Memo1.SetBounds(208, 8, 185, 89);
    Memo1.SetVisible(false);
    Memo1.SetReadOnly(true);
    Memo1.SetLines({""});

    Label2.SetName("Label2");
    Label2.SetBounds(4, 489, 633, 13);
    Label2.SetFont(TealBoldArial());
    Label2.SetColor(ui::clBlack);

    Timer1.SetInterval(250);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
}

void TForm1::AppendLog(const std::string& line) { Memo1.AddLine(line); }

void TForm1::FormCreate() {
    platform::System& system = *program_.services.system;
    std::optional<std::string> user = system.UserName();
    for (const std::string& line : {kRule, std::string(), std::string(kProductVersion) + "  system cleaner",
                                    std::string(), system.ShortDate(), system.LongTime(),
                                    std::string(), "Name User:   " + user.value_or("No"),
                                    std::string(), kRule, std::string(), std::string()})
        AppendLog(line);
}

void TForm1::Timer1Timer() {
    const app::Program& p = program_;
    bool toolWindowOpen = (p.Form2 && p.Form2->Visible()) || (p.Form4 && p.Form4->Visible()) ||
                          (p.Form5 && p.Form5->Visible()) || (p.Form6 && p.Form6->Visible()) ||
                          (p.Form7 && p.Form7->Visible());
    SetEnabled(!toolWindowOpen);
}

void TForm1::FormClose(ui::CloseAction& action) {
    (void)action;  // the main window's close ends the program
    AnimateHide(600);
}
