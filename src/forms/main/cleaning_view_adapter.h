#pragma once
// The main window as the cleaning run's sink, on the window's thread: the run reads its check
// boxes and radio buttons; its events become the status line, the activity log, the file list's
// moves and refreshes, the error box and the completion cue, and the run panel's steps; the
// finished steps add up to the run's summary.

#include "engine/run_events.h"
#include "engine/run_summary.h"

class TForm1;

namespace platform {
class FileSystem;
}

namespace app {

inline constexpr const char* kStatusWorking = "Wait please";
inline constexpr const char* kStatusDone = "Completed clean";
inline constexpr const char* kStatusStopped = "Cleaning stopped";

class CleaningViewAdapter : public engine::RunSink {
  public:
    CleaningViewAdapter(TForm1& form, platform::FileSystem& files) : form_(form), files_(files) {}

    bool IsChecked(engine::Category category) override;
    bool IsSelected(engine::Choice choice) override;
    void RunStarted() override;
    void Started(const engine::StepStarted& step) override;
    void Finished(const engine::StepFinished& step) override;
    void PhaseDone(engine::Phase phase) override;
    void RunStopped() override;
    // The run ended at an error (reported on its own).
    void RunFailed() { summary_.SetEnd(engine::RunSummary::End::Failed); }

    const engine::RunSummary& Summary() const { return summary_; }

  private:
    void SetStatus(const std::string& text);
    // The list shows what is left of its folder, unless that folder is gone (or the list
    // shows the recycle bin).
    void RefreshListIfPresent();

    TForm1& form_;
    platform::FileSystem& files_;
    engine::RunSummary summary_;
};

}  // namespace app
