#pragma once
// TForm4: the log manager: lists, shows, copies and deletes the saved logs.

#include "tools/tool_window.h"

class TForm4 : public tools::ToolWindow {
public:
    TForm4(ui::Application& application, const tools::ToolWindowContext& context);

    // Takes the stored colour and this window's language section.
    void FormCreate();
    // "Exit": cue 4, hide, and restore the program's own window if it was minimised.
    void KVZXPSpeedButton3Click();

    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};  // "Exit"
};
