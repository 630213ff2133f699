#pragma once
// TForm7: the type manager: the registered file types with their open commands, listed into
// its text box by the main window's "Type Manager".

#include "controls/kvzxp_memo.h"
#include "forms/tool_window.h"

namespace platform {
class Registry;
}

class TForm7 : public tools::ToolWindow {
  public:
    TForm7(ui::Application& application, const tools::ToolWindowContext& context,
           platform::Registry& registry);

    // Takes the stored colour and this window's language section.
    void FormCreate();
    // The main window's "Type Manager": shows the window and lists the file types in place of
    // the text it had. A default value that is not text ends the listing with "Invalid data
    // type for ''", the entries before it shown.
    void ListFileTypes();
    // "Exit": hides the window, without a sound.
    void KVZXPSpeedButton3Click();

    controls::TKVZXPMemo KVZXPMemo1{&KVZXPCollapsePanel1};
    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};  // "Exit"

    // Its texts in the language files.
    static const settings::TextTable kTexts;

  private:
    platform::Registry& registry_;
};
