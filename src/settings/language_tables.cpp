#include "settings/language_tables.h"

#include <array>

namespace settings {
namespace {

constexpr TextKind C = TextKind::Caption;
constexpr TextKind H = TextKind::Hint;
constexpr TextKind T = TextKind::ColumnTitle;

constexpr std::string_view kMain = "MainForm";
constexpr std::string_view kOptions = "Option Form";
constexpr std::string_view kLog = "LogForm";
constexpr std::string_view kDisk = "DiskForm";
constexpr std::string_view kProcess = "ProcessForm";
constexpr std::string_view kType = "TypeForm";

constexpr std::array kMainTexts = {
    TextEntry{kMain, "DeleteOptions", "Delete Options", "KVZXPHeader1", C},
    TextEntry{kMain, "Temp(Windows)", "Temp(Windows)", "KVZXPCheckBox1", C},
    TextEntry{kMain, "Temp(User)", "Temp(User)", "KVZXPCheckBox2", C},
    TextEntry{kMain, "Prefetch", "Prefetch", "KVZXPCheckBox3", C},
    TextEntry{kMain, "Temporary IE Files", "Temporary IE Files", "KVZXPCheckBox5", C},
    TextEntry{kMain, "History", "History", "KVZXPCheckBox6", C},
    TextEntry{kMain, "Recent", "Recent", "KVZXPCheckBox7", C},
    TextEntry{kMain, "Cookies", "Cookies", "KVZXPCheckBox8", C},
    TextEntry{kMain, "Trash", "Trash", "KVZXPCheckBox4", C},
    TextEntry{kMain, "Delete", "Delete", "Label1", C},
    TextEntry{kMain, "Windows Messenger", "Windows Messenger", "KVZXPCheckBox9", C},
    TextEntry{kMain, "Speed Memory", "Speed Memory", "KVZXPCheckBox10", C},
    TextEntry{kMain, "Processing", "Processing", "KVZXPHeader2", C},
    TextEntry{kMain, "Hint_All", "All", "KVZXPSpeedButton3", H},
    TextEntry{kMain, "Hint_Nothing", "Nothing", "KVZXPSpeedButton4", H},
    TextEntry{kMain, "Hint_Help", "Help", "KVZXPSpeedButton1", H},
    TextEntry{kMain, "Hint_Regedit", "Regedit", "KVZXPSpeedButton2", H},
    TextEntry{kMain, "Hint_Clean Disk", "Clean Disk", "KVZXPSpeedButton5", H},
    TextEntry{kMain, "Hint_DirectX", "DirectX", "KVZXPSpeedButton6", H},
    TextEntry{kMain, "Hint_System Options", "System Options", "KVZXPSpeedButton7", H},
    TextEntry{kMain, "Hint_System Services", "System Services", "KVZXPSpeedButton8", H},
    TextEntry{kMain, "Hint_Mechanical Options", "Mechanical Options", "KVZXPSpeedButton9", H},
    TextEntry{kMain, "Begin", "Begin", "KVZXPSpeedButton10", H},
    TextEntry{kMain, "Opera Cookies", "Opera Cookies", "KVZXPCheckBox11", C},
    TextEntry{kMain, "Opera Pages", "Opera Pages", "KVZXPCheckBox12", C},
    TextEntry{kMain, "Opera Icons", "Opera Icons", "KVZXPCheckBox13", C},
    TextEntry{kMain, "Opera Loads", "Opera Loads", "KVZXPCheckBox14", C},
    TextEntry{kMain, "Opera Temporary", "Opera Temporary", "KVZXPCheckBox15", C},
    TextEntry{kMain, "Exit", "Exit", "Exit1", C},
    TextEntry{kMain, "Hint_Log Manager", "Log Manager", "KVZXPSpeedButton11", H},
    TextEntry{kMain, "Hint_Disk Manager", "Disk Manager", "KVZXPSpeedButton12", H},
    TextEntry{kMain, "Cache Dll", "Cache Dll", "KVZXPCheckBox16", C},
    TextEntry{kMain, "No Write History", "No Write History", "KVZXPRadioButton1", C},
    TextEntry{kMain, "Write History", "Write History", "KVZXPRadioButton2", C},
    TextEntry{kMain, "No Write Recent", "No Write Recent", "KVZXPRadioButton3", C},
    TextEntry{kMain, "Write Recent", "Write Recent", "KVZXPRadioButton4", C},
    TextEntry{kMain, "Cut off Dr. Watson", "Cut off Dr. Watson", "KVZXPRadioButton5", C},
    TextEntry{kMain, "Switch on Dr. Watson", "Switch on Dr. Watson", "KVZXPRadioButton6", C},
    TextEntry{kMain, "Offline Web Pages", "Offline Web Pages", "KVZXPCheckBox17", C},
    TextEntry{kMain, "Process Manager", "Process Manager", "KVZXPSpeedButton13", H},
    TextEntry{kMain, "Hint_Type Manager", "Type Manager", "KVZXPSpeedButton14", H},
};

constexpr std::array kOptionsTexts = {
    TextEntry{kOptions, "Form Caption", "Mechanical Options Skarvel", "", C},
    TextEntry{kOptions, "Mechanical Options", "Mechanical Options", "KVZXPHeader1", C},
    TextEntry{kOptions, "Tray", "Tray", "KVZXPGroupBox1", C},
    TextEntry{kOptions, "Visible in tray", "Visible in tray", "KVZXPCheckBox1", C},
    TextEntry{kOptions, "Color", "Color", "KVZXPGroupBox2", C},
    TextEntry{kOptions, "View processing", "View processing", "KVZXPRadioGroup1", C},
    TextEntry{kOptions, "List", "List", "KVZXPRadioButton1", C},
    TextEntry{kOptions, "Icon", "Icon", "KVZXPRadioButton2", C},
    TextEntry{kOptions, "Report", "Report", "KVZXPRadioButton3", C},
    TextEntry{kOptions, "Small Icon", "Small Icon", "KVZXPRadioButton4", C},
    TextEntry{kOptions, "language", "language files", "KVZXPGroupBox6", C},
    TextEntry{kOptions, "Autorun", "AutoRun with system", "KVZXPGroupBox3", C},
    TextEntry{kOptions, "Yes", "Yes", "KVZXPCheckBox2", C},
    TextEntry{kOptions, "Sound", "Sound", "KVZXPGroupBox4", C},
    TextEntry{kOptions, "Sound in Skarvel", "Sound in Skarvel", "KVZXPCheckBox3", C},
    TextEntry{kOptions, "Default Options", "Default Options", "KVZXPGroupBox5", C},
    TextEntry{kOptions, "Default Click", "Default Click", "KVZXPButton1", C},
    TextEntry{kOptions, "Cost accounting", "Cost accounting", "KVZXPGroupBox7", C},
    TextEntry{kOptions, "Yes", "Yes", "KVZXPCheckBox4", C},
    TextEntry{kOptions, "Automatic Clear Log", "Automatic Clear Log", "KVZXPCheckBox5", C},
};

constexpr std::array kLogTexts = {
    TextEntry{kLog, "Log Manager Skarvel", "Log Manager Skarvel", "", C},
    TextEntry{kLog, "Log Manager", "Log Manager", "KVZXPHeader1", C},
    TextEntry{kLog, "Hint_Dell All Logs", "Dell All Logs", "KVZXPSpeedButton1", H},
    TextEntry{kLog, "Hint_Copy All Logs", "Copy All Logs", "KVZXPSpeedButton2", H},
    // The exit hint shares the main window's "Exit" key with the tray menu item.
    TextEntry{kMain, "Exit", "Exit", "KVZXPSpeedButton3", H},
};

constexpr std::array kDiskTexts = {
    TextEntry{kDisk, "Disk Manager Skarvel", "Disk Manager Skarvel", "", C},
    TextEntry{kDisk, "Disk Manager", "Disk Manager", "KVZXPHeader1", C},
    TextEntry{kDisk, "Hint_Exit", "Exit", "KVZXPSpeedButton1", H},
    TextEntry{kDisk, "Disk", "Disk", "ListView1", T, 1},
    TextEntry{kDisk, "Type", "Type", "ListView1", T, 2},
    TextEntry{kDisk, "Volume", "Volume", "ListView1", T, 3},
    TextEntry{kDisk, "All Size", "All Size", "ListView1", T, 4},
    TextEntry{kDisk, "Free Size", "Free Size", "ListView1", T, 5},
    TextEntry{kDisk, "FS", "FS", "ListView1", T, 6},
    TextEntry{kDisk, "Lenght", "Lenght", "ListView1", T, 7},
    TextEntry{kDisk, "FS Flag", "FS Flag", "ListView1", T, 8},
    TextEntry{kDisk, "Serial", "Serial", "ListView1", T, 9},
    TextEntry{kDisk, "Hint_List Refresh", "List Refresh", "KVZXPSpeedButton2", H},
};

constexpr std::array kProcessTexts = {
    TextEntry{kProcess, "Process Manager Skarvel", "Process Manager Skarvel", "", C},
    TextEntry{kProcess, "Process Manager", "Process Manager", "KVZXPHeader1", C},
    TextEntry{kProcess, "Hint_List Refresh", "List Refresh", "KVZXPSpeedButton13", H},
    TextEntry{kProcess, "Hint_Exit", "Exit", "KVZXPSpeedButton3", H},
    TextEntry{kProcess, "Hint_Save to file", "Save to file", "KVZXPSpeedButton1", H},
};

constexpr std::array kTypeTexts = {
    TextEntry{kType, "Type Manager Skarvel", "Type Manager Skarvel", "", C},
    TextEntry{kType, "Type Manager", "Type Manager", "KVZXPHeader1", C},
    TextEntry{kType, "Hint_Exit", "Exit", "KVZXPSpeedButton3", H},
};

constexpr std::array kAll = {
    WindowTexts{LanguageWindow::Main, "TForm1", kMainTexts},
    WindowTexts{LanguageWindow::Options, "TForm2", kOptionsTexts},
    WindowTexts{LanguageWindow::LogManager, "TForm4", kLogTexts},
    WindowTexts{LanguageWindow::DiskManager, "TForm5", kDiskTexts},
    WindowTexts{LanguageWindow::ProcessManager, "TForm6", kProcessTexts},
    WindowTexts{LanguageWindow::TypeManager, "TForm7", kTypeTexts},
};

}  // namespace

std::span<const WindowTexts> AllWindowTexts() {
    return kAll;
}

std::span<const TextEntry> TextsOf(LanguageWindow window) {
    for (const WindowTexts& w : kAll) {
        if (w.window == window) return w.entries;
    }
    return {};
}

}  // namespace settings
