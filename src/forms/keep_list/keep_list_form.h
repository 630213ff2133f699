#pragma once
// The keep list's window: lists the patterns of the user's keep.txt and says where the file
// is; adds a file or a folder chosen in the system's dialogs, or a pattern typed in, and
// removes the pattern selected. Every change is written to keep.txt at once, as the run reads
// it; a pattern the run could not place is not taken.

#include <string>

#include "controls/kvzxp_list_box.h"
#include "controls/kvzxp_memo.h"
#include "engine/keep_file.h"
#include "forms/tool_window.h"
#include "shell/browse_for_folder.h"
#include "ui/save_dialog.h"
#include "ui/static_text.h"

namespace forms {

// The services the window works with, besides those of every tool window.
struct KeepListServices {
    platform::FileSystem& files;
    platform::System& system;
    platform::FolderDialog& folderDialog;
};

class KeepListForm : public tools::ToolWindow {
  public:
    KeepListForm(ui::Application& application, const tools::ToolWindowContext& context,
                 const KeepListServices& services);

    void FormCreate();
    // Reads keep.txt afresh and shows the window.
    void ShowList();
    // "Add a file", "Add a folder", "Add the typed pattern", "Remove the pattern": cue 4, then
    // the change, written at once.
    void KVZXPSpeedButton1Click();
    void KVZXPSpeedButton2Click();
    void KVZXPSpeedButton3Click();
    void KVZXPSpeedButton4Click();
    // "Exit": cue 4, then hide.
    void KVZXPSpeedButton5Click();

    // The file the window edits: the user's own keep.txt.
    std::string FilePath() const;
    // The text before the file's path in the line that says where it is.
    void SetWhereText(std::string text);
    const std::string& WhereText() const { return whereText_; }

    ui::StaticText StaticText1{&KVZXPCollapsePanel1};  // where the file is
    controls::TKVZXPListBox ListBox1{&KVZXPCollapsePanel1};
    controls::TKVZXPMemo KVZXPMemo1{&KVZXPCollapsePanel1};                // a pattern typed in
    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel1};  // "Add a file"
    controls::TKVZXPSpeedButton KVZXPSpeedButton2{&KVZXPCollapsePanel1};  // "Add a folder"
    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};  // "Add the pattern"
    controls::TKVZXPSpeedButton KVZXPSpeedButton4{&KVZXPCollapsePanel1};  // "Remove"
    controls::TKVZXPSpeedButton KVZXPSpeedButton5{&KVZXPCollapsePanel1};  // "Exit"
    ui::OpenDialog OpenDialog1{*this};
    TBrowseForFolder BrowseForFolder1;

    // Its texts in the language files.
    static const settings::TextTable kTexts;

  private:
    void BuildContent();
    // Adds TEXT when the run can read it as a pattern (else says why) and writes the file.
    bool AddPattern(const std::string& text);
    // Writes the file, or says why not and reads it back as it is.
    void Save();
    void ShowPatterns();

    KeepListServices services_;
    engine::KeepFile file_;
    bool readable_ = true;  // a file that could not be read is not written over
    std::string whereText_ = "The keep list is kept in";
};

}  // namespace forms
