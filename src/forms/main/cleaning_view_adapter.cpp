#include "forms/main/cleaning_view_adapter.h"

#include "forms/main/main_form.h"
#include "ui/application.h"

namespace app {

bool CleaningViewAdapter::IsChecked(engine::Category category) {
    return form_.CategoryBox(category).Checked();
}

bool CleaningViewAdapter::IsSelected(engine::Choice choice) {
    return form_.ChoiceButton(choice).Checked();
}

void CleaningViewAdapter::SetStatus(const std::string& text) {
    form_.Label2.SetCaption(text);
    // The run blocks the interface thread: paint the status now.
    form_.Label2.Update();
}

void CleaningViewAdapter::AppendLog(const std::string& line) {
    form_.AppendLog(line);
}

void CleaningViewAdapter::ShowFolder(const std::string& folder) {
    form_.ShellListView1.SetRoot(folder);
}

std::string CleaningViewAdapter::FileListRoot() {
    return form_.ShellListView1.RootIsRecycleBin() ? std::string() : form_.ShellListView1.Root();
}

void CleaningViewAdapter::RefreshFileList() {
    form_.ShellListView1.Refresh();
}

void CleaningViewAdapter::PlayCue(int cue) {
    form_.Cues().Play(cue);
}

void CleaningViewAdapter::ShowError(const std::string& text) {
    (void)form_.App().GetBackend().ShowMessage(text, "Error", ui::MessageKind::Error,
                                               ui::MessageButtons::Ok);
}

platform::WindowHandle CleaningViewAdapter::OwnerWindow() {
    ui::ControlPeer* peer = form_.Peer();
    return peer ? peer->NativeHandle() : nullptr;
}

}  // namespace app
