// Clicks on the category check boxes and radio buttons. A click only sounds and moves the
// file list; the run behind "Begin" does the cleaning.

#include "forms/main/main_form.h"
#include "platform/files.h"
#include "platform/shell.h"

using engine::Category;

void TForm1::ShowFolderIfPresent(const std::string& folder) {
    if (folder.empty() || !services_.files.DirectoryExists(folder)) return;
    ShellListView1.SetRoot(folder);
}

void TForm1::ShowWhileChecked(controls::TKVZXPCheckBox& box, Category category) {
    Cue(settings::Cue::Category);
    if (box.Checked()) ShowFolderIfPresent(paths_.CategoryFolder(category));
}

void TForm1::KVZXPCheckBox1Click() {
    ShowWhileChecked(KVZXPCheckBox1, Category::TempWindows);
}
void TForm1::KVZXPCheckBox2Click() {
    ShowWhileChecked(KVZXPCheckBox2, Category::TempUser);
}
void TForm1::KVZXPCheckBox3Click() {
    ShowWhileChecked(KVZXPCheckBox3, Category::Prefetch);
}
void TForm1::KVZXPCheckBox6Click() {
    ShowWhileChecked(KVZXPCheckBox6, Category::History);
}
void TForm1::KVZXPCheckBox7Click() {
    ShowWhileChecked(KVZXPCheckBox7, Category::Recent);
}
void TForm1::KVZXPCheckBox8Click() {
    ShowWhileChecked(KVZXPCheckBox8, Category::CookiesIe);
}

// The recycle bin is shown on every click, checked or not.
void TForm1::KVZXPCheckBox4Click() {
    Cue(settings::Cue::Category);
    ShellListView1.SetRoot(std::string(ui::ShellListView::kRecycleBin));
}

// The Internet cache folder is shown without asking whether it exists; a failed lookup
// (no path at all) leaves the list where it is.
void TForm1::KVZXPCheckBox5Click() {
    Cue(settings::Cue::Category);
    if (!KVZXPCheckBox5.Checked()) return;
    std::string folder = paths_.CategoryFolder(Category::TemporaryIeFiles);
    if (!folder.empty()) ShellListView1.SetRoot(folder);
}

void TForm1::KVZXPCheckBox9Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPCheckBox10Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPCheckBox11Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPCheckBox12Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPCheckBox14Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPCheckBox16Click() {
    Cue(settings::Cue::Category);
}

// "Opera Icons" and "Offline Web Pages" show their folder on every click, checked or not.
void TForm1::KVZXPCheckBox13Click() {
    Cue(settings::Cue::Category);
    ShowFolderIfPresent(paths_.CategoryFolder(Category::OperaIcons));
}

void TForm1::KVZXPCheckBox17Click() {
    Cue(settings::Cue::Category);
    ShowFolderIfPresent(paths_.CategoryFolder(Category::OfflineWebPages));
}

// "Opera Temporary" moves the list first and sounds after.
void TForm1::KVZXPCheckBox15Click() {
    if (KVZXPCheckBox15.Checked()) {
        ShowFolderIfPresent(paths_.CategoryFolder(Category::OperaTemporary));
    }
    Cue(settings::Cue::Category);
}

void TForm1::TodayCacheClick() {
    Cue(settings::Cue::Category);
}

void TForm1::KVZXPRadioButton1Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPRadioButton2Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPRadioButton3Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPRadioButton4Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPRadioButton5Click() {
    Cue(settings::Cue::Category);
}
void TForm1::KVZXPRadioButton6Click() {
    Cue(settings::Cue::Category);
}
