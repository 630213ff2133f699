#pragma once
// TForm6: the process manager: the sorted list of the running programs, refreshed on request
// and saved to a text file.

#include "controls/kvzxp_list_box.h"
#include "forms/tool_window.h"
#include "platform/services.h"
#include "ui/save_dialog.h"

class TForm6 : public tools::ToolWindow {
  public:
    TForm6(ui::Application& application, const tools::ToolWindowContext& context,
           platform::Processes& processes, platform::System& system, platform::FileSystem& files);

    // Takes the stored colour and this window's language section.
    void FormCreate();
    // The main window's "process Manager": shows the window and fills the list again.
    void ShowAndListProcesses();
    // Replaces the list with the running processes.
    void ListProcesses();
    // "List Refresh": cue 4, then the listing.
    void KVZXPSpeedButton13Click();
    // "Save to file": cue 4, then the list to the file chosen, with ".txt" appended.
    void KVZXPSpeedButton1Click();
    // "Exit": cue 4, then hide.
    void KVZXPSpeedButton3Click();

    controls::TKVZXPListBox KVZXPListBox1{&KVZXPCollapsePanel1};
    controls::TKVZXPSpeedButton KVZXPSpeedButton13{&KVZXPCollapsePanel1};  // "List Refresh"
    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel1};   // "Save to file"
    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};   // "Exit"
    ui::SaveDialog SaveDialog1{*this};

    // Its texts in the language files.
    static const settings::TextTable kTexts;

  private:
    platform::Processes& processes_;
    platform::System& system_;
    platform::FileSystem& files_;
};
