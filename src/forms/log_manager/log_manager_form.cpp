#include "forms/log_manager/log_manager_form.h"

#include <stdexcept>

#include "engine/cp1251.h"
#include "engine/purge.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "ui/application.h"

namespace {

// The lines of a text file as the viewer shows them: Windows-1251 bytes, or UTF-8 after a
// byte-order mark (a log Windows-1251 could not hold); lines ended by CR LF, LF or CR.
std::vector<std::string> TextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    const std::string text = bytes.starts_with(kUtf8Mark)
                                 ? std::string(bytes.substr(kUtf8Mark.size()))
                                 : engine::Cp1251ToUtf8(bytes);
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace

TForm4::TForm4(ui::Application& application, const tools::ToolWindowContext& context,
               const tools::LogManagerServices& services)
    : tools::ToolWindow(
          application, context,
          {{"Log Manager Skarvel", 641, 272, false}, "Log Manager", 641, 233, &kTexts, true}),
      FileListBox1(&KVZXPCollapsePanel1, &services.files),
      BrowseForFolder1(application, services.folderDialog, services.files),
      services_(services) {
    SetName("Form4");
    BuildContent();
    OnCreate = [this] { FormCreate(); };
}

void TForm4::BuildContent() {
    FileListBox1.SetName("FileListBox1");
    FileListBox1.SetBounds(5, 0, 217, 225);
    FileListBox1.SetMask("*.log");
    FileListBox1.SetFont(controls::TealBoldArial());
    FileListBox1.SetColor(ui::Hex(0xCBDBF8));
    FileListBox1.SetItemHeight(16);
    FileListBox1.OnChange = [this] { FileListBox1Change(); };

    KVZXPMemo1.SetName("KVZXPMemo1");
    KVZXPMemo1.SetBounds(227, 0, 353, 225);
    KVZXPMemo1.SetReadOnly(true);
    KVZXPMemo1.SetWordWrap(false);
    KVZXPMemo1.SetScrollBars(ui::ScrollBars::Both);
    KVZXPMemo1.SetFont(controls::TealBoldArial());
    KVZXPMemo1.SetColor(ui::Hex(0xCBDBF8));

    AddColumnButton(KVZXPSpeedButton2, "KVZXPSpeedButton2", ui::Rect::FromSize(584, 4, 49, 21),
                    glyphs::Tool::CopyLogs, "Copy All Logs", [this] { KVZXPSpeedButton2Click(); });
    AddColumnButton(
        KVZXPSpeedButton1, "KVZXPSpeedButton1", ui::Rect::FromSize(584, 28, 49, 21),
        glyphs::Tool::DeleteLogs, "Dell All Logs", [this] { KVZXPSpeedButton1Click(); },
        [this] { DellAllLogsKey(); });
    AddExitButton(KVZXPSpeedButton3, "KVZXPSpeedButton3", ui::Rect::FromSize(584, 192, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton3Click(); });

    BrowseForFolder1.SetName("BrowseForFolder1");
    BrowseForFolder1.SetTitle("Save Logs in...");
    BrowseForFolder1.SetStatusText("Save Logs in...");
    BrowseForFolder1.SetNewDialogStyle(true);
    BrowseForFolder1.SetEditBox(false);
}

std::string TForm4::LogFolder() const {
    return services_.system.DataFolder() + "log";
}

void TForm4::FormCreate() {
    if (services_.files.DirectoryExists(LogFolder())) FileListBox1.SetDirectory(LogFolder());
    ApplyColorAndLanguage();
    // Quietly: no cue, no report.
    if (Context().options.autoClearLog.On() && FileListBox1.Count() >= tools::kAutoClearThreshold &&
        services_.files.DirectoryExists(LogFolder()))
        ClearLogFolder();
}

void TForm4::ClearLogFolder() {
    const std::string folder = LogFolder();
    const std::string windows = services_.system.WindowsFolder().value_or("");
    (void)engine::PurgeFolder(services_.files, folder, windows,
                              {.clearAttributes = true, .source = engine::TargetSource::OwnLog});
    // Read afresh, whatever it showed; a folder gone meanwhile lists nothing.
    FileListBox1.Clear();
    if (services_.files.DirectoryExists(folder)) FileListBox1.SetDirectory(folder);
}

void TForm4::FileListBox1Change() {
    const std::string path = FileListBox1.FileName();
    if (path.empty() || !services_.files.FileExists(path)) return;
    KVZXPMemo1.ClearLines();
    std::optional<std::string> bytes = services_.files.ReadFile(path);
    if (!bytes)
        throw std::runtime_error("Cannot open file \"" + path + "\". " +
                                 services_.files.LastErrorText());
    KVZXPMemo1.SetLines(TextLines(*bytes));
}

void TForm4::KVZXPSpeedButton1Click() {
    Cue(settings::Cue::Window);
    if (!services_.files.DirectoryExists(LogFolder())) return;
    ClearLogFolder();
    KVZXPMemo1.ClearLines();
}

void TForm4::DellAllLogsKey() {
    if (App().GetBackend().ShowMessage(
            DellAllLogsQuestion, App().Title(), ui::MessageKind::Confirmation,
            ui::MessageButtons::YesNoDefaultNo) == ui::MessageResult::Yes)
        KVZXPSpeedButton1Click();
}

void TForm4::KVZXPSpeedButton2Click() {
    Cue(settings::Cue::Window);
    if (!BrowseForFolder1.Execute()) return;
    const std::string destination = BrowseForFolder1.Path();
    // A chosen item without a folder path (possible only when a handler enabled OK for it)
    // would send the copies to the current directory.
    if (destination.empty()) return;
    for (int i = 0; i < FileListBox1.Count(); ++i) {
        FileListBox1.SetItemIndex(i);  // from code: the viewer is not reloaded
        (void)services_.shell.CopyToFolder(nullptr, FileListBox1.FullPath(i), destination);
    }
}

void TForm4::KVZXPSpeedButton3Click() {
    Cue(settings::Cue::Window);
    Hide();
    App().ShowMainWindow(ui::ShowCommand::Normal);
}

namespace {

using settings::Caption;
using settings::Hint;

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Log Manager Skarvel", "Log Manager Skarvel"),
    Caption<&TForm4::KVZXPHeader1>("Log Manager", "Log Manager"),
    Hint<&TForm4::KVZXPSpeedButton1>("Hint_Dell All Logs", "Dell All Logs"),
    Hint<&TForm4::KVZXPSpeedButton2>("Hint_Copy All Logs", "Copy All Logs"),
    settings::Text<&TForm4::DellAllLogsQuestion>("Question_Dell All Logs",
                                                 TForm4::kDellAllLogsQuestion),
    // The exit hint shares the main window's "Exit" key with the tray menu item.
    Hint<&TForm4::KVZXPSpeedButton3>("Exit", "Exit", "MainForm"),
};

}  // namespace

const settings::TextTable TForm4::kTexts{"LogForm", kRows};
