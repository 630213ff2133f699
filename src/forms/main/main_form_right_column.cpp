// The right column of the main window: the "Processing" header linked to its panel, the
// file list, the column of tool buttons, "Begin" and the hidden activity log.

#include "controls/glyphs/button_glyphs.h"
#include "forms/main/main_form.h"
#include "forms/main/main_form_style.h"

void TForm1::BuildRightColumn() {
    controls::BuildHeaderAndPanel(KVZXPHeader2, KVZXPCollapsePanel2,
                                  {.number = 2,
                                   .left = 200,
                                   .width = 441,
                                   .panelHeight = 449,
                                   .caption = "Processing",
                                   .tealPanel = false,
                                   .linked = true});

    ShellListView1.SetName("ShellListView1");
    ShellListView1.SetBounds(5, 2, 375, 441);
    ShellListView1.SetViewStyle(ui::ViewStyle::Report);
    ShellListView1.SetGridLines(true);
    ShellListView1.SetHotTrack(true);
    ShellListView1.SetSorted(true);
    ShellListView1.SetShowFolders(true);
    ShellListView1.SetShowFiles(true);
    ShellListView1.SetShowHidden(true);
    ShellListView1.SetAutoRefresh(true);
    ShellListView1.SetFont(mainform::TealBoldArial());

    struct ToolButton {
        controls::TKVZXPSpeedButton& button;
        const char* name;
        const char* hint;
        glyphs::Tool glyph;
        int top;
    };
    using glyphs::Tool;
    const ToolButton tools[] = {
        {KVZXPSpeedButton1, "KVZXPSpeedButton1", "Help", Tool::Help, 3},
        {KVZXPSpeedButton11, "KVZXPSpeedButton11", "Log Manager", Tool::LogManager, 27},
        {KVZXPSpeedButton12, "KVZXPSpeedButton12", "DIsk Manager", Tool::DiskManager, 51},
        {KVZXPSpeedButton13, "KVZXPSpeedButton13", "process Manager", Tool::ProcessManager, 75},
        {KVZXPSpeedButton14, "KVZXPSpeedButton14", "Type Manager", Tool::TypeManager, 99},
        {KVZXPSpeedButton9, "KVZXPSpeedButton9", "Mechanical Options", Tool::MechanicalOptions,
         123},
        {KVZXPSpeedButton2, "KVZXPSpeedButton2", "Regedit", Tool::Regedit, 275},
        {KVZXPSpeedButton5, "KVZXPSpeedButton5", "Clean Disk", Tool::CleanDisk, 299},
        {KVZXPSpeedButton6, "KVZXPSpeedButton6", "DirectX Options", Tool::DirectXOptions, 323},
        {KVZXPSpeedButton7, "KVZXPSpeedButton7", "System Options", Tool::SystemOptions, 347},
        {KVZXPSpeedButton8, "KVZXPSpeedButton8", "System Services", Tool::SystemServices, 371},
        // Below "Analyze": the cleaner definitions' file and the keep list.
        {KVZXPSpeedButton16, "KVZXPSpeedButton16", "Cleaner definitions", Tool::Definitions, 171},
        {KVZXPSpeedButton17, "KVZXPSpeedButton17", "Keep List", Tool::KeepList, 195},
    };
    for (const ToolButton& t : tools) {
        t.button.SetName(t.name);
        t.button.SetBounds(384, t.top, 45, 21);
        t.button.SetGlyph(glyphs::ToolGlyph(t.glyph));
        t.button.SetHint(t.hint);
        t.button.SetShowHint(true);
    }

    // "Analyze" opens the column's next place below the windows' buttons.
    KVZXPSpeedButton15.SetName("KVZXPSpeedButton15");
    KVZXPSpeedButton15.SetBounds(384, 147, 45, 21);
    KVZXPSpeedButton15.SetGlyph(glyphs::ToolGlyph(Tool::Analyze));
    KVZXPSpeedButton15.SetHint("Analyze");
    KVZXPSpeedButton15.SetShowHint(true);

    OpenDialog1.SetName("OpenDialog1");
    OpenDialog1.SetFilter("Cleaner definitions (*.ini)|*.ini|All files|*.*");

    KVZXPSpeedButton10.SetName("KVZXPSpeedButton10");
    KVZXPSpeedButton10.SetBounds(382, 404, 48, 35);
    KVZXPSpeedButton10.SetFlat(true);
    KVZXPSpeedButton10.SetGlyph(glyphs::BeginGlyph());
    KVZXPSpeedButton10.SetHint("Begin");
    KVZXPSpeedButton10.SetShowHint(true);

    Memo1.SetName("Memo1");
    Memo1.SetBounds(8, 8, 185, 89);
    Memo1.SetVisible(false);
    Memo1.SetReadOnly(true);
    Memo1.SetLines({""});
}
