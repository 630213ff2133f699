#pragma once
// TForm5: the disk manager: tabulates the logical drives. The table is rebuilt every time the
// window becomes visible and by "List Refresh".

#include "forms/tool_window.h"
#include "ui/list_view.h"

namespace platform {
class Volumes;
}

class TForm5 : public tools::ToolWindow {
  public:
    TForm5(ui::Application& application, const tools::ToolWindowContext& context,
           platform::Volumes& volumes);

    // Takes the colour selected in the options and this window's language section.
    void FormCreate();
    // Hidden to visible: rebuilds the table, without a sound.
    void FormShow();
    // "List Refresh": empties the table, cue 4, rebuilds it.
    void KVZXPSpeedButton2Click();
    // "Exit": cue 4, then hide.
    void KVZXPSpeedButton1Click();

    ui::ListView ListView1{&KVZXPCollapsePanel1};
    controls::TKVZXPSpeedButton KVZXPSpeedButton2{&KVZXPCollapsePanel1};  // "List Refresh"
    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel1};  // "Exit"

    // Its texts in the language files.
    static const settings::TextTable kTexts;

  private:
    void BuildTable();
    void FillTable();

    platform::Volumes& volumes_;
};
