#include "forms/disk_manager/disk_manager_form.h"

#include "forms/disk_manager/disk_table.h"

TForm5::TForm5(ui::Application& application, const tools::ToolWindowContext& context,
               platform::Volumes& volumes)
    : tools::ToolWindow(
          application, context,
          {{"Disk Manager Skarvel", 640, 271, false}, "Disk Manager", 641, 233, &kTexts, false}),
      volumes_(volumes) {
    SetName("Form5");
    SetFont(controls::TealBoldArial());
    BuildTable();
    AddColumnButton(KVZXPSpeedButton2, "KVZXPSpeedButton2", ui::Rect::FromSize(584, 8, 45, 21),
                    glyphs::Tool::ListRefresh, "List Refresh",
                    [this] { KVZXPSpeedButton2Click(); });
    AddExitButton(KVZXPSpeedButton1, "KVZXPSpeedButton1", ui::Rect::FromSize(584, 191, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton1Click(); });
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TForm5::BuildTable() {
    ListView1.SetName("ListView1");
    ListView1.SetBounds(4, 0, 573, 225);
    ListView1.SetFont(GetFont());
    ListView1.SetColor(ui::Hex(0xCBDBF8));
    ListView1.SetBorder(false);
    ListView1.SetGridLines(true);
    ListView1.SetRowSelect(true);
    // Column 0 is never filled and cannot be seen; the cells start at column 1.
    ListView1.AddColumn({"", 0});
    const ui::ListColumn cells[] = {
        {"Disk", 40}, {"Type", 100},  {"Volume", 80},  {"All Size", 90}, {"Free Size", 90},
        {"FS", 60},   {"Lenght", 60}, {"FS FLag", 80}, {"Serial", 80},
    };
    for (ui::ListColumn column : cells) {
        column.alignment = ui::Alignment::Center;
        ListView1.AddColumn(std::move(column));
    }
}

void TForm5::FormCreate() {
    ApplyColorAndLanguage();
}

void TForm5::FillTable() {
    ListView1.SetRows(tools::DriveRows(volumes_));
}

void TForm5::FormShow() {
    ListView1.ClearRows();
    FillTable();
}

void TForm5::KVZXPSpeedButton2Click() {
    ListView1.ClearRows();
    Cue(settings::Cue::Window);
    FillTable();
}

void TForm5::KVZXPSpeedButton1Click() {
    Cue(settings::Cue::Window);
    Hide();
}

namespace {

using settings::Caption;
using settings::ColumnTitle;
using settings::Hint;

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Disk Manager Skarvel", "Disk Manager Skarvel"),
    Caption<&TForm5::KVZXPHeader1>("Disk Manager", "Disk Manager"),
    Hint<&TForm5::KVZXPSpeedButton1>("Hint_Exit", "Exit"),
    ColumnTitle<&TForm5::ListView1, 1>("Disk", "Disk"),
    ColumnTitle<&TForm5::ListView1, 2>("Type", "Type"),
    ColumnTitle<&TForm5::ListView1, 3>("Volume", "Volume"),
    ColumnTitle<&TForm5::ListView1, 4>("All Size", "All Size"),
    ColumnTitle<&TForm5::ListView1, 5>("Free Size", "Free Size"),
    ColumnTitle<&TForm5::ListView1, 6>("FS", "FS"),
    ColumnTitle<&TForm5::ListView1, 7>("Lenght", "Lenght"),
    ColumnTitle<&TForm5::ListView1, 8>("FS Flag", "FS Flag"),
    ColumnTitle<&TForm5::ListView1, 9>("Serial", "Serial"),
    Hint<&TForm5::KVZXPSpeedButton2>("Hint_List Refresh", "List Refresh"),
};

}  // namespace

const settings::TextTable TForm5::kTexts{"DiskForm", kRows};
