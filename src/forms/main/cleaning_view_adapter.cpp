#include "forms/main/cleaning_view_adapter.h"

#include "engine/category_table.h"
#include "forms/main/main_form.h"
#include "platform/files.h"
#include "ui/application.h"

namespace app {

bool CleaningViewAdapter::IsChecked(engine::Category category) {
    const controls::TKVZXPCheckBox* box = form_.CategoryBox(category);
    return box != nullptr && box->Checked();
}

bool CleaningViewAdapter::IsSelected(engine::Choice choice) {
    const controls::TKVZXPRadioButton* button = form_.ChoiceButton(choice);
    return button != nullptr && button->Checked();
}

void CleaningViewAdapter::SetStatus(const std::string& text) {
    form_.Label2.SetCaption(text);
    form_.Label2.Update();
}

void CleaningViewAdapter::RefreshListIfPresent() {
    ui::ShellListView& list = form_.ShellListView1;
    if (!list.RootIsRecycleBin() && files_.DirectoryExists(list.Root())) list.Refresh();
}

void CleaningViewAdapter::RunStarted() {
    summary_ = {};
    SetStatus(kStatusWorking);
}

void CleaningViewAdapter::Started(const engine::StepStarted& step) {
    if (step.row.showWhileCleaning && !step.folder.empty())
        form_.ShellListView1.SetRoot(step.folder);
    form_.RunPanel1.ShowStep(std::string(step.row.name));
}

void CleaningViewAdapter::Finished(const engine::StepFinished& step) {
    // No box while the session ends: nobody is left to answer it.
    if (!step.error.empty() && !form_.App().SessionEnded())
        (void)form_.App().GetBackend().ShowMessage(step.error, "Error", ui::MessageKind::Error,
                                                   ui::MessageButtons::Ok);
    if (!step.line.empty()) form_.AppendLog(step.line);
    summary_.Add(step);
    form_.RunPanel1.StepDone();
}

void CleaningViewAdapter::PhaseDone(engine::Phase phase) {
    switch (phase) {
        case engine::Phase::Cleaning:
            RefreshListIfPresent();
            break;
        case engine::Phase::Settings:
            SetStatus(kStatusDone);
            form_.Cues().Play(settings::Cue::RunFinished);
            form_.ShellListView1.Refresh();
            break;
        case engine::Phase::AfterCompletion:
            break;
    }
}

void CleaningViewAdapter::RunStopped() {
    form_.AppendLog(engine::kStopLine);
    SetStatus(kStatusStopped);
    summary_.SetEnd(engine::RunSummary::End::Stopped);
    RefreshListIfPresent();
}

}  // namespace app
