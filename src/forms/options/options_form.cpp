#include "forms/options/options_form.h"

#include "controls/header_style.h"
#include "controls/window_frame.h"
#include "settings/stored_options.h"
#include "shell/tray.h"

TForm2::TForm2(ui::Application& application, const settings::OptionsServices& services,
               settings::Languages& languages, settings::MainWindowLink& mainWindow,
               forms::WindowLinks& windows, settings::Options& options,
               platform::TaskScheduler* scheduler, const engine::Policy& policy)
    : ui::Form(application),
      FileListBox1(&KVZXPGroupBox6, &services.files),
      Timer1(application),
      services_(services),
      languages_(languages),
      mainWindow_(mainWindow),
      windows_(windows),
      options_(options),
      scheduler_(scheduler),
      policy_(policy) {
    SetName("Form2");
    controls::ApplyWindowFrame(*this, {"Mechanical Options Skarvel", 361, 351, true});
    BuildControls();
    ConnectHandlers();
    // The design state of the view buttons: checking "Report" runs its click handler.
    KVZXPRadioButton3.SetChecked(true);
    // The window has no exit button: Escape closes it as its caption's close button does.
    AddShortcut(ui::key::kEscape, ui::shift::kNone, [this] { Close(); });
    OnCreate = [this] { FormCreate(); };
    OnDestroy = [this] { FormDestroy(); };
}

void TForm2::BuildControls() {
    controls::BuildHeaderAndPanel(
        KVZXPHeader1, KVZXPCollapsePanel1,
        {.width = 361, .panelHeight = 311, .caption = "Mechanical Options", .linked = true});
    const ui::Color inside = KVZXPCollapsePanel1.GetColor();

    struct Placed {
        ui::Control& control;
        const char* name;
        const char* caption;
        ui::Rect bounds;
    };
    const Placed placed[] = {
        {KVZXPGroupBox1, "KVZXPGroupBox1", "Tray", ui::Rect::FromSize(8, 0, 169, 41)},
        {KVZXPCheckBox1, "KVZXPCheckBox1", "Visible in tray", ui::Rect::FromSize(8, 17, 150, 17)},
        {KVZXPGroupBox2, "KVZXPGroupBox2", "Color", ui::Rect::FromSize(8, 40, 169, 49)},
        {ColorBox1, "ColorBox1", "", ui::Rect::FromSize(8, 19, 97, 22)},
        {KVZXPRadioGroup1, "KVZXPRadioGroup1", "View processing",
         ui::Rect::FromSize(8, 88, 169, 105)},
        {KVZXPRadioButton1, "KVZXPRadioButton1", "List", ui::Rect::FromSize(8, 24, 150, 16)},
        {KVZXPRadioButton2, "KVZXPRadioButton2", "Icon", ui::Rect::FromSize(8, 40, 150, 16)},
        {KVZXPRadioButton3, "KVZXPRadioButton3", "Report", ui::Rect::FromSize(8, 56, 150, 16)},
        {KVZXPRadioButton4, "KVZXPRadioButton4", "Small icon", ui::Rect::FromSize(8, 72, 150, 16)},
        {KVZXPGroupBox3, "KVZXPGroupBox3", "AutoRun with system",
         ui::Rect::FromSize(184, 0, 169, 41)},
        {KVZXPCheckBox2, "KVZXPCheckBox2", "Yes", ui::Rect::FromSize(8, 17, 150, 17)},
        {KVZXPGroupBox4, "KVZXPGroupBox4", "Sound", ui::Rect::FromSize(184, 40, 169, 49)},
        {KVZXPCheckBox3, "KVZXPCheckBox3", "Sound in Skarvel", ui::Rect::FromSize(8, 21, 150, 17)},
        {KVZXPGroupBox7, "KVZXPGroupBox7", "Cost accounting", ui::Rect::FromSize(184, 88, 169, 57)},
        {KVZXPCheckBox4, "KVZXPCheckBox4", "Yes", ui::Rect::FromSize(8, 16, 150, 17)},
        {KVZXPCheckBox5, "KVZXPCheckBox5", "Automatic Clear Log",
         ui::Rect::FromSize(8, 34, 150, 17)},
        {KVZXPGroupBox5, "KVZXPGroupBox5", "Default options",
         ui::Rect::FromSize(184, 144, 169, 49)},
        {KVZXPButton1, "KVZXPButton1", "Default Click", ui::Rect::FromSize(8, 20, 97, 21)},
        {KVZXPGroupBox6, "KVZXPGroupBox6", "Language files", ui::Rect::FromSize(8, 192, 345, 65)},
        {FileListBox1, "FileListBox1", "", ui::Rect::FromSize(8, 16, 329, 41)},
        {KVZXPGroupBox8, "KVZXPGroupBox8", "Scheduled cleaning",
         ui::Rect::FromSize(8, 256, 345, 41)},
        {KVZXPRadioButton5, "KVZXPRadioButton5", "None", ui::Rect::FromSize(8, 17, 80, 17)},
        {KVZXPRadioButton6, "KVZXPRadioButton6", "Daily", ui::Rect::FromSize(92, 17, 80, 17)},
        {KVZXPRadioButton7, "KVZXPRadioButton7", "Weekly", ui::Rect::FromSize(176, 17, 80, 17)},
        {KVZXPRadioButton8, "KVZXPRadioButton8", "At log-on", ui::Rect::FromSize(260, 17, 80, 17)},
    };
    for (const Placed& p : placed) {
        p.control.SetName(p.name);
        p.control.SetCaption(p.caption);
        p.control.SetBounds(p.bounds);
        p.control.SetColor(inside);
    }

    std::vector<ui::NamedColorItem> colors;
    for (const settings::NamedColor& c : settings::kColorList)
        colors.push_back({std::string(c.name), c.value});
    ColorBox1.SetItems(std::move(colors));
    ColorBox1.SetColor(ui::clWindow);
    colorBinding_ = std::make_unique<settings::ColorBoxBinding>(ColorBox1, options_.color);

    FileListBox1.SetColor(ui::clWhite);
    FileListBox1.SetMask(std::string(settings::kLanguageMask));
    // Read-only, hidden and system language files are offered too.
    FileListBox1.SetAttributeFilter(platform::attr::kReadOnly | platform::attr::kHidden |
                                    platform::attr::kSystem);

    Timer1.SetEnabled(false);
    Timer1.SetInterval(100);
}

void TForm2::ConnectHandlers() {
    KVZXPCheckBox1.OnClick = [this] { KVZXPCheckBox1Click(); };
    ColorBox1.OnChange = [this] { ColorBox1Change(); };
    KVZXPRadioButton1.OnClick = [this] { KVZXPRadioButton1Click(); };
    KVZXPRadioButton2.OnClick = [this] { KVZXPRadioButton2Click(); };
    KVZXPRadioButton3.OnClick = [this] { KVZXPRadioButton3Click(); };
    KVZXPRadioButton4.OnClick = [this] { KVZXPRadioButton4Click(); };
    KVZXPCheckBox2.OnClick = [this] { KVZXPCheckBox2Click(); };
    KVZXPCheckBox4.OnClick = [this] { KVZXPCheckBox4Click(); };
    KVZXPButton1.OnClick = [this] { KVZXPButton1Click(); };
    FileListBox1.OnDblClick = [this] { FileListBox1DblClick(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    KVZXPRadioButton5.OnClick = [this] { ScheduleClick(std::nullopt); };
    KVZXPRadioButton6.OnClick = [this] { ScheduleClick(platform::TaskTrigger::Daily); };
    KVZXPRadioButton7.OnClick = [this] { ScheduleClick(platform::TaskTrigger::Weekly); };
    KVZXPRadioButton8.OnClick = [this] { ScheduleClick(platform::TaskTrigger::Logon); };
}

void TForm2::FormCreate() {
    // Only the windows made before this one exist yet; the others take the language file at
    // their own creation.
    std::vector<settings::TranslatedWindow> made = forms::TranslatedWindows(windows_.Windows());
    made.push_back({this, &kTexts});
    (void)languages_.ApplyCurrent(made);
    if (services_.files.DirectoryExists(languages_.Folder()))
        FileListBox1.SetDirectory(languages_.Folder());
    else
        FileListBox1.Clear();

    settings::LoadedOptions stored = settings::LoadOptions(
        settings::SettingsFile(services_.system, services_.files, services_.profile));
    options_.color.Select(stored.colorIndex);
    ColorWindows(false);
    switch (stored.viewStyle) {
        case 1:
            KVZXPRadioButton1.SetChecked(true);
            break;
        case 2:
            KVZXPRadioButton2.SetChecked(true);
            break;
        case 3:
            KVZXPRadioButton3.SetChecked(true);
            break;
        case 4:
            KVZXPRadioButton4.SetChecked(true);
            break;
        default:
            break;  // the buttons keep their state
    }
    // Set by program: no click handler runs, so the registry is neither read nor changed.
    if (stored.autoRun) options_.autoRun.Set(*stored.autoRun);
    if (stored.sound) options_.sound.Set(*stored.sound);
    if (stored.saveLog) options_.saveLog.Set(*stored.saveLog);
    if (stored.autoClearLog) options_.autoClearLog.Set(*stored.autoClearLog);
    Timer1Timer();

    if (stored.trayIcon == true) {
        (void)mainWindow_.Tray().ShowIcon(false);
        options_.trayIcon.Set(true);
    } else if (stored.trayIcon == false) {
        (void)mainWindow_.Tray().HideIcon();  // nothing to remove yet: refused, nothing changes
        options_.trayIcon.Set(false);
    }
    ShowSchedule();
}

void TForm2::FormDestroy() {
    (void)mainWindow_.Tray().HideIcon();
    settings::SettingsFile file(services_.system, services_.files, services_.profile);
    // A refused write ends here: the writes after it and the log file are not made.
    settings::StoreOptions(file, CurrentOptions());
    if (options_.saveLog.On()) mainWindow_.SaveActivityLog();
}

settings::OptionsToStore TForm2::CurrentOptions() const {
    settings::OptionsToStore current;
    current.trayIcon = options_.trayIcon.On();
    current.colorIndex = options_.color.Index();
    current.viewStyle = ViewCode() ? std::optional<int>(ViewCode()) : std::nullopt;
    current.autoRun = options_.autoRun.On();
    current.sound = options_.sound.On();
    current.saveLog = options_.saveLog.On();
    current.autoClearLog = options_.autoClearLog.On();
    return current;
}

int TForm2::ViewCode() const {
    const controls::TKVZXPRadioButton* buttons[] = {&KVZXPRadioButton1, &KVZXPRadioButton2,
                                                    &KVZXPRadioButton3, &KVZXPRadioButton4};
    for (int i = 0; i < 4; ++i)
        if (buttons[i]->Checked()) return i + 1;
    return 0;
}

void TForm2::ApplyColor(ui::Color color) {
    KVZXPHeader1.SetColor(color);
    KVZXPCollapsePanel1.SetColorBackground(color);
}

namespace {

using settings::Caption;

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Form Caption", "Mechanical Options Skarvel"),
    Caption<&TForm2::KVZXPHeader1>("Mechanical Options", "Mechanical Options"),
    Caption<&TForm2::KVZXPGroupBox1>("Tray", "Tray"),
    Caption<&TForm2::KVZXPCheckBox1>("Visible in tray", "Visible in tray"),
    Caption<&TForm2::KVZXPGroupBox2>("Color", "Color"),
    Caption<&TForm2::KVZXPRadioGroup1>("View processing", "View processing"),
    Caption<&TForm2::KVZXPRadioButton1>("List", "List"),
    Caption<&TForm2::KVZXPRadioButton2>("Icon", "Icon"),
    Caption<&TForm2::KVZXPRadioButton3>("Report", "Report"),
    Caption<&TForm2::KVZXPRadioButton4>("Small Icon", "Small Icon"),
    Caption<&TForm2::KVZXPGroupBox6>("language", "language files"),
    Caption<&TForm2::KVZXPGroupBox3>("Autorun", "AutoRun with system"),
    Caption<&TForm2::KVZXPCheckBox2>("Yes", "Yes"),
    Caption<&TForm2::KVZXPGroupBox4>("Sound", "Sound"),
    Caption<&TForm2::KVZXPCheckBox3>("Sound in Skarvel", "Sound in Skarvel"),
    Caption<&TForm2::KVZXPGroupBox5>("Default Options", "Default Options"),
    Caption<&TForm2::KVZXPButton1>("Default Click", "Default Click"),
    Caption<&TForm2::KVZXPGroupBox7>("Cost accounting", "Cost accounting"),
    Caption<&TForm2::KVZXPCheckBox4>("Yes", "Yes"),
    Caption<&TForm2::KVZXPCheckBox5>("Automatic Clear Log", "Automatic Clear Log"),
    Caption<&TForm2::KVZXPGroupBox8>("Scheduled cleaning", "Scheduled cleaning"),
    Caption<&TForm2::KVZXPRadioButton5>("Schedule None", "None"),
    Caption<&TForm2::KVZXPRadioButton6>("Schedule Daily", "Daily"),
    Caption<&TForm2::KVZXPRadioButton7>("Schedule Weekly", "Weekly"),
    Caption<&TForm2::KVZXPRadioButton8>("Schedule Logon", "At log-on"),
};

}  // namespace

const settings::TextTable TForm2::kTexts{"Option Form", kRows};
