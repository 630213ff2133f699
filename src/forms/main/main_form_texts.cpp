// The main window's texts in the language files, bound to its controls.

#include "forms/main/main_form.h"

using settings::Caption;
using settings::Hint;
using settings::TextRow;

namespace {

// The tray menu's only item: a menu item, not a control.
constexpr TextRow ExitItem() {
    return {"Exit", "Exit",
            [](ui::Form& f, const std::string& t) { static_cast<TForm1&>(f).Exit1().caption = t; },
            [](const ui::Form& f) {
                return static_cast<const TForm1&>(f).PopupMenu1.Items().front().caption;
            }};
}

// A button of the run panel, which is not a member of the window itself.
template <controls::TKVZXPButton app::RunPanel::*button>
constexpr TextRow RunPanelCaption(std::string_view key, std::string_view text) {
    return {key, text,
            [](ui::Form& f, const std::string& t) {
                (static_cast<TForm1&>(f).RunPanel1.*button).SetCaption(t);
            },
            [](const ui::Form& f) {
                return (static_cast<const TForm1&>(f).RunPanel1.*button).Caption();
            }};
}

// The hint "Begin" shows while a run goes.
constexpr TextRow StopHint() {
    return {"Hint_Stop", "Stop",
            [](ui::Form& f, const std::string& t) { static_cast<TForm1&>(f).SetStopHint(t); },
            [](const ui::Form& f) { return static_cast<const TForm1&>(f).StopHint(); }};
}

// The question after a cleaner definition's warning.
constexpr TextRow WarningQuestion() {
    return {
        "Tick it all the same?", "Tick it all the same?",
        [](ui::Form& f, const std::string& t) { static_cast<TForm1&>(f).SetWarningQuestion(t); },
        [](const ui::Form& f) { return static_cast<const TForm1&>(f).WarningQuestion(); }};
}

constexpr TextRow kRows[] = {
    Caption<&TForm1::KVZXPHeader1>("DeleteOptions", "Delete Options"),
    Caption<&TForm1::KVZXPCheckBox1>("Temp(Windows)", "Temp(Windows)"),
    Caption<&TForm1::KVZXPCheckBox2>("Temp(User)", "Temp(User)"),
    Caption<&TForm1::KVZXPCheckBox3>("Prefetch", "Prefetch"),
    Caption<&TForm1::KVZXPCheckBox5>("Temporary IE Files", "Temporary IE Files"),
    Caption<&TForm1::KVZXPCheckBox6>("History", "History"),
    Caption<&TForm1::KVZXPCheckBox7>("Recent", "Recent"),
    Caption<&TForm1::KVZXPCheckBox8>("Cookies", "Cookies"),
    Caption<&TForm1::KVZXPCheckBox4>("Trash", "Trash"),
    Caption<&TForm1::Label1>("Delete", "Delete"),
    Caption<&TForm1::KVZXPCheckBox9>("Windows Messenger", "Windows Messenger"),
    Caption<&TForm1::KVZXPCheckBox10>("Speed Memory", "Speed Memory"),
    Caption<&TForm1::KVZXPHeader2>("Processing", "Processing"),
    Hint<&TForm1::KVZXPSpeedButton3>("Hint_All", "All"),
    Hint<&TForm1::KVZXPSpeedButton4>("Hint_Nothing", "Nothing"),
    Hint<&TForm1::KVZXPSpeedButton1>("Hint_Help", "Help"),
    Hint<&TForm1::KVZXPSpeedButton2>("Hint_Regedit", "Regedit"),
    Hint<&TForm1::KVZXPSpeedButton5>("Hint_Clean Disk", "Clean Disk"),
    Hint<&TForm1::KVZXPSpeedButton6>("Hint_DirectX", "DirectX"),
    Hint<&TForm1::KVZXPSpeedButton7>("Hint_System Options", "System Options"),
    Hint<&TForm1::KVZXPSpeedButton8>("Hint_System Services", "System Services"),
    Hint<&TForm1::KVZXPSpeedButton9>("Hint_Mechanical Options", "Mechanical Options"),
    Hint<&TForm1::KVZXPSpeedButton10>("Begin", "Begin"),
    Caption<&TForm1::KVZXPCheckBox11>("Opera Cookies", "Opera Cookies"),
    Caption<&TForm1::KVZXPCheckBox12>("Opera Pages", "Opera Pages"),
    Caption<&TForm1::KVZXPCheckBox13>("Opera Icons", "Opera Icons"),
    Caption<&TForm1::KVZXPCheckBox14>("Opera Loads", "Opera Loads"),
    Caption<&TForm1::KVZXPCheckBox15>("Opera Temporary", "Opera Temporary"),
    ExitItem(),
    Hint<&TForm1::KVZXPSpeedButton11>("Hint_Log Manager", "Log Manager"),
    Hint<&TForm1::KVZXPSpeedButton12>("Hint_Disk Manager", "Disk Manager"),
    Caption<&TForm1::KVZXPCheckBox16>("Cache Dll", "Cache Dll"),
    Caption<&TForm1::KVZXPRadioButton1>("No Write History", "No Write History"),
    Caption<&TForm1::KVZXPRadioButton2>("Write History", "Write History"),
    Caption<&TForm1::KVZXPRadioButton3>("No Write Recent", "No Write Recent"),
    Caption<&TForm1::KVZXPRadioButton4>("Write Recent", "Write Recent"),
    Caption<&TForm1::KVZXPRadioButton5>("Cut off Dr. Watson", "Cut off Dr. Watson"),
    Caption<&TForm1::KVZXPRadioButton6>("Switch on Dr. Watson", "Switch on Dr. Watson"),
    Caption<&TForm1::KVZXPCheckBox17>("Offline Web Pages", "Offline Web Pages"),
    Hint<&TForm1::KVZXPSpeedButton13>("Process Manager", "Process Manager"),
    Hint<&TForm1::KVZXPSpeedButton14>("Hint_Type Manager", "Type Manager"),
    Hint<&TForm1::KVZXPSpeedButton15>("Hint_Analyze", "Analyze"),
    StopHint(),
    RunPanelCaption<&app::RunPanel::KVZXPButton1>("Clean", "Clean"),
    RunPanelCaption<&app::RunPanel::KVZXPButton2>("Close", "Close"),
    Caption<&TForm1::KVZXPCheckBox18>("Chrome Cache", "Chrome Cache"),
    Caption<&TForm1::KVZXPCheckBox19>("Edge Cache", "Edge Cache"),
    Caption<&TForm1::KVZXPCheckBox20>("Brave Cache", "Brave Cache"),
    Caption<&TForm1::KVZXPCheckBox21>("Vivaldi Cache", "Vivaldi Cache"),
    Caption<&TForm1::KVZXPCheckBox22>("Opera Cache", "Opera Cache"),
    Caption<&TForm1::KVZXPCheckBox23>("Firefox Cache", "Firefox Cache"),
    Caption<&TForm1::KVZXPCheckBox24>("Error Reports", "Error Reports"),
    Caption<&TForm1::KVZXPCheckBox25>("Crash Dumps", "Crash Dumps"),
    Caption<&TForm1::KVZXPCheckBox26>("Shader Cache", "Shader Cache"),
    Caption<&TForm1::KVZXPCheckBox27>("Thumbnail Cache", "Thumbnail Cache"),
    Hint<&TForm1::KVZXPSpeedButton16>("Hint_Cleaner definitions", "Cleaner definitions"),
    Hint<&TForm1::KVZXPSpeedButton17>("Hint_Keep List", "Keep List"),
    WarningQuestion(),
};

}  // namespace

const settings::TextTable TForm1::kTexts{"MainForm", kRows};
