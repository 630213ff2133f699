#include "forms/keep_list/keep_list_form.h"

#include <algorithm>

#include "engine/keep_list.h"
#include "ui/application.h"

namespace forms {

namespace {

constexpr const char* kMessageCaption = "Keep list";

}  // namespace

KeepListForm::KeepListForm(ui::Application& application, const tools::ToolWindowContext& context,
                           const KeepListServices& services)
    : tools::ToolWindow(
          application, context,
          {{"Keep List Skarvel", 641, 272, false}, "Keep List", 641, 233, &kTexts, true}),
      BrowseForFolder1(application, services.folderDialog, services.files),
      services_(services) {
    SetName("KeepListForm");
    BuildContent();
    OnCreate = [this] { FormCreate(); };
}

void KeepListForm::BuildContent() {
    StaticText1.SetName("StaticText1");
    StaticText1.SetBounds(5, 0, 575, 30);
    StaticText1.SetFont(controls::TealBoldArial());
    StaticText1.SetColor(KVZXPCollapsePanel1.GetColor());
    StaticText1.SetCaption(whereText_ + " " + FilePath());

    ListBox1.SetName("ListBox1");
    ListBox1.SetBounds(5, 32, 575, 160);
    ListBox1.SetFont(controls::TealBoldArial());
    ListBox1.SetColor(ui::Hex(0xCBDBF8));

    KVZXPMemo1.SetName("KVZXPMemo1");
    KVZXPMemo1.SetBounds(5, 198, 575, 27);
    KVZXPMemo1.SetWordWrap(false);
    KVZXPMemo1.SetFont(controls::TealBoldArial());
    KVZXPMemo1.SetColor(ui::Hex(0xCBDBF8));

    struct Column {
        controls::TKVZXPSpeedButton& button;
        const char* name;
        glyphs::Tool glyph;
        const char* hint;
        void (KeepListForm::*click)();
    };
    const Column column[] = {
        {KVZXPSpeedButton1, "KVZXPSpeedButton1", glyphs::Tool::AddFile, "Add a file",
         &KeepListForm::KVZXPSpeedButton1Click},
        {KVZXPSpeedButton2, "KVZXPSpeedButton2", glyphs::Tool::AddFolder, "Add a folder",
         &KeepListForm::KVZXPSpeedButton2Click},
        {KVZXPSpeedButton3, "KVZXPSpeedButton3", glyphs::Tool::AddPattern,
         "Add the pattern typed below the list", &KeepListForm::KVZXPSpeedButton3Click},
        {KVZXPSpeedButton4, "KVZXPSpeedButton4", glyphs::Tool::RemoveItem,
         "Remove the selected pattern", &KeepListForm::KVZXPSpeedButton4Click},
    };
    int top = 4;
    for (const Column& c : column) {
        AddColumnButton(c.button, c.name, ui::Rect::FromSize(584, top, 49, 21), c.glyph, c.hint,
                        [this, click = c.click] { (this->*click)(); });
        top += 24;
    }
    AddExitButton(KVZXPSpeedButton5, "KVZXPSpeedButton5", ui::Rect::FromSize(584, 192, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton5Click(); });

    OpenDialog1.SetName("OpenDialog1");
    OpenDialog1.SetFilter("All files|*.*");
    BrowseForFolder1.SetName("BrowseForFolder1");
    BrowseForFolder1.SetTitle("Keep this folder");
    BrowseForFolder1.SetNewDialogStyle(true);
}

std::string KeepListForm::FilePath() const {
    return engine::KeepFilePaths(services_.system).front();
}

void KeepListForm::SetWhereText(std::string text) {
    whereText_ = std::move(text);
    StaticText1.SetCaption(whereText_ + " " + FilePath());
}

void KeepListForm::FormCreate() {
    ApplyColorAndLanguage();
}

void KeepListForm::ShowList() {
    std::string error;
    readable_ = file_.Read(services_.files, FilePath(), error);
    ShowPatterns();
    ShowForm();
    if (!readable_)
        (void)App().GetBackend().ShowMessage(error, kMessageCaption, ui::MessageKind::Error,
                                             ui::MessageButtons::Ok);
}

void KeepListForm::ShowPatterns() {
    ListBox1.SetItems(file_.Patterns());
    for (controls::TKVZXPSpeedButton* button :
         {&KVZXPSpeedButton1, &KVZXPSpeedButton2, &KVZXPSpeedButton3, &KVZXPSpeedButton4})
        button->SetEnabled(readable_);
}

bool KeepListForm::AddPattern(const std::string& text) {
    const std::string why = file_.Check(services_.files, services_.system, text);
    if (!why.empty()) {
        (void)App().GetBackend().ShowMessage(why, kMessageCaption, ui::MessageKind::Warning,
                                             ui::MessageButtons::Ok);
        return false;
    }
    file_.Add(text);
    Save();
    return true;
}

void KeepListForm::Save() {
    std::string error;
    if (!file_.Write(services_.files, FilePath(), error)) {
        (void)App().GetBackend().ShowMessage("Cannot write " + FilePath() + ". " + error,
                                             kMessageCaption, ui::MessageKind::Error,
                                             ui::MessageButtons::Ok);
        readable_ = file_.Read(services_.files, FilePath(), error);
    }
    ShowPatterns();
}

void KeepListForm::KVZXPSpeedButton1Click() {
    Cue(settings::Cue::Window);
    if (OpenDialog1.Execute()) (void)AddPattern(OpenDialog1.FileName());
}

void KeepListForm::KVZXPSpeedButton2Click() {
    Cue(settings::Cue::Window);
    // An item without a folder path (the computer, say) is nothing to keep.
    if (BrowseForFolder1.Execute() && !BrowseForFolder1.Path().empty())
        (void)AddPattern(BrowseForFolder1.Path());
}

void KeepListForm::KVZXPSpeedButton3Click() {
    Cue(settings::Cue::Window);
    if (AddPattern(KVZXPMemo1.Text())) KVZXPMemo1.ClearLines();
}

void KeepListForm::KVZXPSpeedButton4Click() {
    Cue(settings::Cue::Window);
    const int index = ListBox1.ItemIndex();
    if (index < 0) return;
    file_.Remove(static_cast<std::size_t>(index));
    Save();
    ListBox1.SetItemIndex(std::min(index, ListBox1.Count() - 1));
}

void KeepListForm::KVZXPSpeedButton5Click() {
    Cue(settings::Cue::Window);
    Hide();
}

namespace {

using settings::Caption;
using settings::Hint;

// The words before the file's path.
constexpr settings::TextRow WhereText() {
    return {
        "The keep list is kept in", "The keep list is kept in",
        [](ui::Form& f, const std::string& t) { static_cast<KeepListForm&>(f).SetWhereText(t); },
        [](const ui::Form& f) { return static_cast<const KeepListForm&>(f).WhereText(); }};
}

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Keep List Skarvel", "Keep List Skarvel"),
    Caption<&KeepListForm::KVZXPHeader1>("Keep List", "Keep List"),
    WhereText(),
    Hint<&KeepListForm::KVZXPSpeedButton1>("Hint_Add a file", "Add a file"),
    Hint<&KeepListForm::KVZXPSpeedButton2>("Hint_Add a folder", "Add a folder"),
    Hint<&KeepListForm::KVZXPSpeedButton3>("Hint_Add the pattern typed below the list",
                                           "Add the pattern typed below the list"),
    Hint<&KeepListForm::KVZXPSpeedButton4>("Hint_Remove the selected pattern",
                                           "Remove the selected pattern"),
    Hint<&KeepListForm::KVZXPSpeedButton5>("Hint_Exit", "Exit"),
};

}  // namespace

const settings::TextTable KeepListForm::kTexts{"KeepListForm", kRows};

}  // namespace forms
