#pragma once
// TForm4: the log manager: lists the logs of the "log" folder of the data folder, shows the
// one selected, deletes them all, or copies them all into a folder the user picks. At its
// creation it clears the folder when "Automatic Clear Log" is on and 50 or more logs are there.

#include <string>
#include <string_view>

#include "controls/kvzxp_memo.h"
#include "forms/tool_window.h"
#include "platform/services.h"
#include "shell/browse_for_folder.h"
#include "ui/file_list_box.h"

namespace tools {

// The services the log manager works with, besides those of every tool window.
struct LogManagerServices {
    platform::FileSystem& files;
    platform::Shell& shell;
    platform::FolderDialog& folderDialog;
    platform::System& system;
};

// The number of listed logs at which the automatic clear-out runs.
inline constexpr int kAutoClearThreshold = 50;

}  // namespace tools

class TForm4 : public tools::ToolWindow {
  public:
    TForm4(ui::Application& application, const tools::ToolWindowContext& context,
           const tools::LogManagerServices& services);

    // Lists the log folder, takes the stored colour and the language section, then the
    // automatic clear-out.
    void FormCreate();
    // The user selected a log: shows its text.
    void FileListBox1Change();
    // "Dell All Logs": cue 4, clears the log folder, lists it afresh, empties the viewer.
    void KVZXPSpeedButton1Click();
    // Its key (Ctrl+2): the same, once the user has confirmed DellAllLogsQuestion.
    void DellAllLogsKey();
    // "Copy All Logs": cue 4, asks for a folder and copies every listed log into it.
    void KVZXPSpeedButton2Click();
    // "Exit": cue 4, hide, and restore the program's own window if it was minimised.
    void KVZXPSpeedButton3Click();

    // The data folder + "log", without a trailing backslash.
    std::string LogFolder() const;

    ui::FileListBox FileListBox1;
    controls::TKVZXPMemo KVZXPMemo1{&KVZXPCollapsePanel1};
    controls::TKVZXPSpeedButton KVZXPSpeedButton2{&KVZXPCollapsePanel1};  // "Copy All Logs"
    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel1};  // "Dell All Logs"
    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};  // "Exit"
    TBrowseForFolder BrowseForFolder1;
    // What the key asks before deleting.
    std::string DellAllLogsQuestion{kDellAllLogsQuestion};

    // Its texts in the language files.
    static const settings::TextTable kTexts;
    static constexpr std::string_view kDellAllLogsQuestion = "Delete all saved logs?";

  private:
    void BuildContent();
    // Empties the log folder (it always stays), then lists it afresh.
    void ClearLogFolder();

    tools::LogManagerServices services_;
};
