#pragma once
// The main window as the cleaning run sees it: its check boxes and radio buttons, the status
// line, the activity log, the file list and the sound cues.

#include "engine/cleaning_run.h"

class TForm1;

namespace app {

class CleaningViewAdapter : public engine::CleaningView {
  public:
    explicit CleaningViewAdapter(TForm1& form) : form_(form) {}

    bool IsChecked(engine::Category category) override;
    bool IsSelected(engine::Choice choice) override;
    void SetStatus(const std::string& text) override;
    void AppendLog(const std::string& line) override;
    void ShowFolder(const std::string& folder) override;
    std::string FileListRoot() override;
    void RefreshFileList() override;
    void PlayCue(int cue) override;
    void ShowError(const std::string& text) override;
    platform::WindowHandle OwnerWindow() override;

  private:
    TForm1& form_;
};

}  // namespace app
