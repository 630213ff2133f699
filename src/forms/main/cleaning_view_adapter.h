#pragma once
// The main window as the cleaning run's sink: the run reads its check boxes and radio
// buttons; its events become the status line, the activity log, the file list's moves and
// refreshes, the error box and the completion cue.

#include "engine/run_events.h"

class TForm1;

namespace platform {
class FileSystem;
}

namespace app {

inline constexpr const char* kStatusWorking = "Wait please";
inline constexpr const char* kStatusDone = "Completed clean";

class CleaningViewAdapter : public engine::RunSink {
  public:
    CleaningViewAdapter(TForm1& form, platform::FileSystem& files) : form_(form), files_(files) {}

    bool IsChecked(engine::Category category) override;
    bool IsSelected(engine::Choice choice) override;
    void RunStarted() override;
    void Started(const engine::StepStarted& step) override;
    void Finished(const engine::StepFinished& step) override;
    void PhaseDone(engine::Phase phase) override;

  private:
    void SetStatus(const std::string& text);

    TForm1& form_;
    platform::FileSystem& files_;
};

}  // namespace app
