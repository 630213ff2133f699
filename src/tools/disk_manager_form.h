#pragma once
// TForm5: the disk manager: tabulates the logical drives.

#include "tools/tool_window.h"

class TForm5 : public tools::ToolWindow {
public:
    TForm5(ui::Application& application, const tools::ToolWindowContext& context);

    // Takes the colour selected in the options and this window's language section.
    void FormCreate();
    // "Exit": cue 4, then hide.
    void KVZXPSpeedButton1Click();

    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel1};  // "Exit"
};
