#include "app/main_form.h"

#include "app/cleaning_view_adapter.h"
#include "app/main_form_style.h"
#include "app/play_cue.h"
#include "engine/cleaning_run.h"
#include "platform/system.h"
#include "settings/options_form.h"
#include "tools/disk_manager_form.h"
#include "tools/log_manager_form.h"
#include "tools/process_manager_form.h"
#include "tools/type_manager_form.h"
#include "ui/application.h"

namespace {

const std::string kRule(51, '_');

}  // namespace

TForm1::TForm1(app::Program& program)
    : ui::Form(program.application),
      KVZXPHeader1(this),
      KVZXPCollapsePanel1(this),
      ScrollBox1(&KVZXPCollapsePanel1),
      KVZXPGroupBox1(&ScrollBox1),
      KVZXPGroupBox8(&ScrollBox1),
      KVZXPGroupBox9(&ScrollBox1),
      KVZXPGroupBox6(&ScrollBox1),
      KVZXPGroupBox5(&ScrollBox1),
      KVZXPGroupBox11(&ScrollBox1),
      KVZXPGroupBox2(&ScrollBox1),
      KVZXPGroupBox3(&ScrollBox1),
      KVZXPGroupBox4(&ScrollBox1),
      KVZXPGroupBox7(&ScrollBox1),
      KVZXPGroupBox10(&ScrollBox1),
      WQMSpeedButton1(&KVZXPGroupBox1),
      WQMSpeedButton8(&KVZXPGroupBox8),
      WQMSpeedButton9(&KVZXPGroupBox9),
      WQMSpeedButton2(&KVZXPGroupBox6),
      WQMSpeedButton3(&KVZXPGroupBox5),
      WQMSpeedButton11(&KVZXPGroupBox11),
      WQMSpeedButton4(&KVZXPGroupBox2),
      WQMSpeedButton5(&KVZXPGroupBox3),
      WQMSpeedButton6(&KVZXPGroupBox4),
      WQMSpeedButton7(&KVZXPGroupBox7),
      WQMSpeedButton10(&KVZXPGroupBox10),
      KVZXPCheckBox1(&KVZXPGroupBox1),
      KVZXPCheckBox2(&KVZXPGroupBox1),
      KVZXPCheckBox3(&KVZXPGroupBox1),
      KVZXPCheckBox4(&KVZXPGroupBox2),
      KVZXPCheckBox5(&KVZXPGroupBox6),
      KVZXPCheckBox6(&KVZXPGroupBox8),
      KVZXPCheckBox7(&KVZXPGroupBox9),
      KVZXPCheckBox8(&KVZXPGroupBox6),
      KVZXPCheckBox9(&KVZXPGroupBox3),
      KVZXPCheckBox10(&KVZXPGroupBox4),
      KVZXPCheckBox11(&KVZXPGroupBox5),
      KVZXPCheckBox12(&KVZXPGroupBox5),
      KVZXPCheckBox13(&KVZXPGroupBox5),
      KVZXPCheckBox14(&KVZXPGroupBox5),
      KVZXPCheckBox15(&KVZXPGroupBox5),
      KVZXPCheckBox16(&KVZXPGroupBox7),
      KVZXPCheckBox17(&KVZXPGroupBox11),
      KVZXPRadioButton1(&KVZXPGroupBox8),
      KVZXPRadioButton2(&KVZXPGroupBox8),
      KVZXPRadioButton3(&KVZXPGroupBox9),
      KVZXPRadioButton4(&KVZXPGroupBox9),
      KVZXPRadioButton5(&KVZXPGroupBox10),
      KVZXPRadioButton6(&KVZXPGroupBox10),
      Label1(&KVZXPGroupBox3),
      KVZXPSpeedButton3(&KVZXPCollapsePanel1),
      KVZXPSpeedButton4(&KVZXPCollapsePanel1),
      KVZXPHeader2(this),
      KVZXPCollapsePanel2(this),
      ShellListView1(&KVZXPCollapsePanel2, program.services.shellFolder),
      KVZXPSpeedButton1(&KVZXPCollapsePanel2),
      KVZXPSpeedButton11(&KVZXPCollapsePanel2),
      KVZXPSpeedButton12(&KVZXPCollapsePanel2),
      KVZXPSpeedButton13(&KVZXPCollapsePanel2),
      KVZXPSpeedButton14(&KVZXPCollapsePanel2),
      KVZXPSpeedButton9(&KVZXPCollapsePanel2),
      KVZXPSpeedButton2(&KVZXPCollapsePanel2),
      KVZXPSpeedButton5(&KVZXPCollapsePanel2),
      KVZXPSpeedButton6(&KVZXPCollapsePanel2),
      KVZXPSpeedButton7(&KVZXPCollapsePanel2),
      KVZXPSpeedButton8(&KVZXPCollapsePanel2),
      KVZXPSpeedButton10(&KVZXPCollapsePanel2),
      Memo1(&KVZXPCollapsePanel2),
      Label2(this),
      Timer1(program.application),
      PopupMenu1(program.application),
      program_(program),
      paths_(*program.services.system, *program.services.shell) {
    SetName("Form1");
    SetCaption(std::string("System cleaning utility ") + kProductVersion);
    SetClientSize(641, 504);
    SetColor(ui::clBlack);
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(ui::border_icon::kSystemMenu | ui::border_icon::kMinimize);
    SetPosition(ui::Position::DesktopCenter);

    BuildLeftColumn();
    BuildCategoryGroups();
    BuildRightColumn();

    Label2.SetName("Label2");
    Label2.SetBounds(4, 489, 633, 13);
    Label2.SetFont(mainform::TealBoldArial());
    Label2.SetColor(ui::clBlack);

    PopupMenu1.SetName("PopupMenu1");
    PopupMenu1.SetAutoPopup(false);  // the tray icon shows it
    PopupMenu1.AddItem("Exit", [this] { Exit1Click(); });

    Timer1.SetInterval(250);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };

    // Handlers last: the initial radio choices above must not sound.
    ConnectHandlers();
}

void TForm1::AppendLog(const std::string& line) {
    Memo1.AddLine(line);
}

void TForm1::Cue(int cue) {
    app::PlayCue(program_, cue);
}

void TForm1::FormCreate() {
    platform::System& system = *program_.services.system;
    std::optional<std::string> user = system.UserName();
    for (const std::string& line :
         {kRule, std::string(), std::string(kProductVersion) + "  system cleaner", std::string(),
          system.ShortDate(), system.LongTime(), std::string(),
          "Name User:   " + user.value_or("No"), std::string(), kRule, std::string(),
          std::string()})
        AppendLog(line);
    ShellListView1.SetRoot(std::string(ui::ShellListView::kRecycleBin));
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

void TForm1::Exit1Click() {
    program_.application.Terminate();
}

void TForm1::KVZXPSpeedButton9Click() {
    Cue(4);
    if (program_.Form2) program_.Form2->ShowForm();
}

void TForm1::KVZXPSpeedButton10Click() {
    app::CleaningViewAdapter view(*this);
    engine::RunCleaning(program_.services, paths_, view);
}

controls::TKVZXPCheckBox& TForm1::CheckBox(int number) {
    controls::TKVZXPCheckBox* boxes[] = {
        &KVZXPCheckBox1,  &KVZXPCheckBox2,  &KVZXPCheckBox3,  &KVZXPCheckBox4,  &KVZXPCheckBox5,
        &KVZXPCheckBox6,  &KVZXPCheckBox7,  &KVZXPCheckBox8,  &KVZXPCheckBox9,  &KVZXPCheckBox10,
        &KVZXPCheckBox11, &KVZXPCheckBox12, &KVZXPCheckBox13, &KVZXPCheckBox14, &KVZXPCheckBox15,
        &KVZXPCheckBox16, &KVZXPCheckBox17};
    return *boxes[number - 1];
}

controls::TKVZXPCheckBox& TForm1::CategoryBox(engine::Category category) {
    using engine::Category;
    switch (category) {
        case Category::TempWindows:
            return KVZXPCheckBox1;
        case Category::TempUser:
            return KVZXPCheckBox2;
        case Category::Prefetch:
            return KVZXPCheckBox3;
        case Category::Trash:
            return KVZXPCheckBox4;
        case Category::TemporaryIeFiles:
            return KVZXPCheckBox5;
        case Category::History:
            return KVZXPCheckBox6;
        case Category::Recent:
            return KVZXPCheckBox7;
        case Category::CookiesIe:
            return KVZXPCheckBox8;
        case Category::WindowsMessenger:
            return KVZXPCheckBox9;
        case Category::SpeedMemory:
            return KVZXPCheckBox10;
        case Category::OperaCookies:
            return KVZXPCheckBox11;
        case Category::OperaPages:
            return KVZXPCheckBox12;
        case Category::OperaIcons:
            return KVZXPCheckBox13;
        case Category::OperaLoads:
            return KVZXPCheckBox14;
        case Category::OperaTemporary:
            return KVZXPCheckBox15;
        case Category::CacheDll:
            return KVZXPCheckBox16;
        case Category::OfflineWebPages:
            return KVZXPCheckBox17;
    }
    return KVZXPCheckBox1;
}

controls::TKVZXPRadioButton& TForm1::ChoiceButton(engine::Choice choice) {
    using engine::Choice;
    switch (choice) {
        case Choice::NoWriteHistory:
            return KVZXPRadioButton1;
        case Choice::WriteHistory:
            return KVZXPRadioButton2;
        case Choice::NoWriteRecent:
            return KVZXPRadioButton3;
        case Choice::WriteRecent:
            return KVZXPRadioButton4;
        case Choice::CutOffDrWatson:
            return KVZXPRadioButton5;
        case Choice::SwitchOnDrWatson:
            return KVZXPRadioButton6;
    }
    return KVZXPRadioButton1;
}

void TForm1::ConnectHandlers() {
    KVZXPCheckBox1.OnClick = [this] { KVZXPCheckBox1Click(); };
    KVZXPCheckBox2.OnClick = [this] { KVZXPCheckBox2Click(); };
    KVZXPCheckBox3.OnClick = [this] { KVZXPCheckBox3Click(); };
    KVZXPCheckBox4.OnClick = [this] { KVZXPCheckBox4Click(); };
    KVZXPCheckBox5.OnClick = [this] { KVZXPCheckBox5Click(); };
    KVZXPCheckBox6.OnClick = [this] { KVZXPCheckBox6Click(); };
    KVZXPCheckBox7.OnClick = [this] { KVZXPCheckBox7Click(); };
    KVZXPCheckBox8.OnClick = [this] { KVZXPCheckBox8Click(); };
    KVZXPCheckBox9.OnClick = [this] { KVZXPCheckBox9Click(); };
    KVZXPCheckBox10.OnClick = [this] { KVZXPCheckBox10Click(); };
    KVZXPCheckBox11.OnClick = [this] { KVZXPCheckBox11Click(); };
    KVZXPCheckBox12.OnClick = [this] { KVZXPCheckBox12Click(); };
    KVZXPCheckBox13.OnClick = [this] { KVZXPCheckBox13Click(); };
    KVZXPCheckBox14.OnClick = [this] { KVZXPCheckBox14Click(); };
    KVZXPCheckBox15.OnClick = [this] { KVZXPCheckBox15Click(); };
    KVZXPCheckBox16.OnClick = [this] { KVZXPCheckBox16Click(); };
    KVZXPCheckBox17.OnClick = [this] { KVZXPCheckBox17Click(); };
    KVZXPRadioButton1.OnClick = [this] { KVZXPRadioButton1Click(); };
    KVZXPRadioButton2.OnClick = [this] { KVZXPRadioButton2Click(); };
    KVZXPRadioButton3.OnClick = [this] { KVZXPRadioButton3Click(); };
    KVZXPRadioButton4.OnClick = [this] { KVZXPRadioButton4Click(); };
    KVZXPRadioButton5.OnClick = [this] { KVZXPRadioButton5Click(); };
    KVZXPRadioButton6.OnClick = [this] { KVZXPRadioButton6Click(); };

    WQMSpeedButton1.OnClick = [this] { WQMSpeedButton1Click(); };
    WQMSpeedButton2.OnClick = [this] { WQMSpeedButton2Click(); };
    WQMSpeedButton3.OnClick = [this] { WQMSpeedButton3Click(); };
    WQMSpeedButton4.OnClick = [this] { WQMSpeedButton4Click(); };
    WQMSpeedButton5.OnClick = [this] { WQMSpeedButton5Click(); };
    WQMSpeedButton6.OnClick = [this] { WQMSpeedButton6Click(); };
    WQMSpeedButton7.OnClick = [this] { WQMSpeedButton7Click(); };
    WQMSpeedButton8.OnClick = [this] { WQMSpeedButton8Click(); };
    WQMSpeedButton9.OnClick = [this] { WQMSpeedButton9Click(); };
    WQMSpeedButton10.OnClick = [this] { WQMSpeedButton10Click(); };
    WQMSpeedButton11.OnClick = [this] { WQMSpeedButton11Click(); };

    KVZXPSpeedButton3.OnClick = [this] { KVZXPSpeedButton3Click(); };
    KVZXPSpeedButton4.OnClick = [this] { KVZXPSpeedButton4Click(); };
    KVZXPSpeedButton9.OnClick = [this] { KVZXPSpeedButton9Click(); };
    KVZXPSpeedButton10.OnClick = [this] { KVZXPSpeedButton10Click(); };
}

settings::LanguageTarget TForm1::TextTarget() {
    return {this, [this](const settings::TextEntry& entry, const std::string& text) {
                if (entry.control != "Exit1") return false;
                Exit1().caption = text;
                return true;
            }};
}
