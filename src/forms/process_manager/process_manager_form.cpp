#include "forms/process_manager/process_manager_form.h"

#include "engine/running_processes.h"
#include "forms/process_manager/process_listing.h"

TForm6::TForm6(ui::Application& application, const tools::ToolWindowContext& context,
               platform::Processes& processes, platform::System& system,
               platform::FileSystem& files)
    : tools::ToolWindow(application, context,
                        {{"Process Manager Skarvel", 642, 271, true},
                         "Process Manager",
                         643,
                         231,
                         &kTexts,
                         true}),
      processes_(processes),
      system_(system),
      files_(files) {
    SetName("Form6");

    KVZXPListBox1.SetName("KVZXPListBox1");
    KVZXPListBox1.SetBounds(8, 0, 569, 225);
    KVZXPListBox1.SetSorted(true);
    KVZXPListBox1.SetStyle(ui::ListBoxStyle::OwnerDrawFixed);
    KVZXPListBox1.SetItemHeight(16);
    ui::Font font = controls::TealBoldArial();
    font.underline = true;
    KVZXPListBox1.SetFont(font);

    AddColumnButton(KVZXPSpeedButton13, "KVZXPSpeedButton13", ui::Rect::FromSize(584, 3, 45, 21),
                    glyphs::Tool::ListRefresh, "List Refresh",
                    [this] { KVZXPSpeedButton13Click(); });
    AddColumnButton(KVZXPSpeedButton1, "KVZXPSpeedButton1", ui::Rect::FromSize(584, 27, 45, 21),
                    glyphs::Tool::SaveToFile, "Save to file", [this] { KVZXPSpeedButton1Click(); });
    AddExitButton(KVZXPSpeedButton3, "KVZXPSpeedButton3", ui::Rect::FromSize(584, 189, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton3Click(); });

    SaveDialog1.SetName("SaveDialog1");
    SaveDialog1.SetFilter("txt|*.txt");
    OnCreate = [this] { FormCreate(); };
}

void TForm6::FormCreate() {
    ApplyColorAndLanguage();
}

void TForm6::ShowAndListProcesses() {
    ShowForm();
    ListProcesses();
}

void TForm6::ListProcesses() {
    KVZXPListBox1.SetItems(engine::ListProcesses(system_, processes_));
}

void TForm6::KVZXPSpeedButton13Click() {
    Cue(settings::Cue::Window);
    ListProcesses();
}

void TForm6::KVZXPSpeedButton1Click() {
    Cue(settings::Cue::Window);
    if (!SaveDialog1.Execute()) return;
    tools::SaveProcessList(files_, system_, tools::ProcessListFileName(SaveDialog1.FileName()),
                           KVZXPListBox1.Items());
}

void TForm6::KVZXPSpeedButton3Click() {
    Cue(settings::Cue::Window);
    Hide();
}

namespace {

using settings::Caption;
using settings::Hint;

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Process Manager Skarvel", "Process Manager Skarvel"),
    Caption<&TForm6::KVZXPHeader1>("Process Manager", "Process Manager"),
    Hint<&TForm6::KVZXPSpeedButton13>("Hint_List Refresh", "List Refresh"),
    Hint<&TForm6::KVZXPSpeedButton3>("Hint_Exit", "Exit"),
    Hint<&TForm6::KVZXPSpeedButton1>("Hint_Save to file", "Save to file"),
};

}  // namespace

const settings::TextTable TForm6::kTexts{"ProcessForm", kRows};
