// The options window's handlers: tray icon, colour, view style, auto-start, the log boxes,
// "Default Click" and the language list.

#include <stdexcept>

#include "forms/options/options_form.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "settings/auto_start.h"
#include "settings/settings_file.h"
#include "settings/stored_options.h"
#include "shell/tray.h"
#include "ui/application.h"

void TForm2::KVZXPCheckBox1Click() {
    if (KVZXPCheckBox1.Checked())
        (void)mainWindow_.Tray().ShowIcon(false);
    else
        (void)mainWindow_.Tray().HideIcon();  // also makes the main window visible
}

void TForm2::ColorWindows(bool allWindows) {
    const ui::Color color = options_.color.Color();
    ApplyColor(color);
    bool afterThis = false;
    for (const forms::ListedWindow& window : windows_.Windows()) {
        if (window.form == this) {
            afterThis = true;
            continue;
        }
        if (afterThis && !allWindows) break;
        if (window.takeColor) window.takeColor(*window.form, color);
    }
}

void TForm2::ColorBox1Change() {
    ColorWindows(true);
}

void TForm2::SetViewStyle(ui::ViewStyle style) {
    mainWindow_.SetFileListStyle(style);
}
void TForm2::KVZXPRadioButton1Click() {
    SetViewStyle(ui::ViewStyle::List);
}
void TForm2::KVZXPRadioButton2Click() {
    SetViewStyle(ui::ViewStyle::Icon);
}
void TForm2::KVZXPRadioButton3Click() {
    SetViewStyle(ui::ViewStyle::Report);
}
void TForm2::KVZXPRadioButton4Click() {
    SetViewStyle(ui::ViewStyle::SmallIcon);
}

void TForm2::KVZXPCheckBox2Click() {
    std::string executable = services_.system.ExecutablePath();
    if (KVZXPCheckBox2.Checked())
        settings::WriteAutoStart(services_.registry, executable);  // a refusal keeps the box ticked
    else
        settings::RemoveAutoStart(services_.registry, executable);
}

void TForm2::KVZXPCheckBox4Click() {
    Timer1Timer();
}

void TForm2::Timer1Timer() {
    KVZXPCheckBox5.SetEnabled(KVZXPCheckBox4.Checked());
}

void TForm2::KVZXPButton1Click() {
    // The defaults. The auto-start box is cleared by program, so its entry is removed here:
    // box, settings file and registry then agree.
    options_.trayIcon.Set(true);
    options_.autoRun.Set(false);
    settings::RemoveAutoStart(services_.registry, services_.system.ExecutablePath());
    options_.sound.Set(true);
    options_.color.Select(settings::kDefaultColorIndex);
    KVZXPRadioButton1.SetChecked(true);  // its handler sets the list style; List stays in force
    ColorWindows(false);
    shell::TTray& tray = mainWindow_.Tray();
    (void)tray.HideIcon();
    (void)tray.ShowIcon(false);  // exactly one icon
    settings::SettingsFile file(services_.system, services_.files, services_.profile);
    file.WriteString(settings::Setting::LanguageFile, "");
    // Stored before the new instance starts, so it reads them whatever the timing of this
    // one's exit (which writes them again).
    settings::StoreOptions(file, CurrentOptions());

    std::string executable = services_.system.ExecutablePath();
    ui::Form* main = App().MainForm();
    platform::WindowHandle owner = main && main->Peer() ? main->Peer()->NativeHandle() : nullptr;
    if (!services_.shell.StartProgram(owner, executable, "", platform::kShowNormal))
        throw std::runtime_error("Cannot start \"" + executable + "\"; Skarvel goes on running.");
    App().Terminate();
}

void TForm2::FileListBox1DblClick() {
    languages_.Switch(FileListBox1.FileName(), forms::TranslatedWindows(windows_.Windows()));
}
