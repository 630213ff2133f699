#pragma once
// A cleaning run (or an analysis) on the worker thread, talking to the window: the relay
// answers the run's questions from the boxes as they stood when it began (nothing can change
// them while it goes: they are disabled) and hands every event to the window's sink on the
// interface thread, in the run's order. Files and bytes done so far go there too, at most ten
// times a second.

#include <chrono>
#include <cstdint>
#include <set>
#include <string>

#include "engine/purge_report.h"
#include "engine/run_events.h"

namespace ui {
class Worker;
}

namespace app {

// The boxes ticked and the choices selected, as a run reads them.
struct Ticks {
    std::set<engine::Category> categories;
    std::set<engine::Choice> choices;
    std::set<std::string> definitions;  // the ids of the cleaner definitions' entries
};

// What the window shows of a run besides its events: the files and bytes done so far.
class RunCountsView {
  public:
    virtual void ShowCounts(std::uint64_t files, std::uint64_t bytes) = 0;

  protected:
    ~RunCountsView() = default;
};

// Counts the files a purge deletes (or would) as they go, and posts the totals to VIEW at most
// every 100 ms, and when asked (Flush).
class CountingReport final : public engine::ProgressReport {
  public:
    CountingReport(ui::Worker& worker, RunCountsView& view) : worker_(worker), view_(view) {}

    void FileDone(std::uint64_t bytes) override;
    // Posts the totals now if they changed since the last post.
    void Flush();

  private:
    ui::Worker& worker_;
    RunCountsView& view_;
    std::uint64_t files_ = 0, bytes_ = 0;
    std::uint64_t postedFiles_ = 0;
    std::chrono::steady_clock::time_point lastPost_{};
};

class RunRelay final : public engine::RunSink {
  public:
    // TARGET and VIEW live on the interface thread; they hear everything through WORKER.
    RunRelay(Ticks ticks, engine::RunSink& target, RunCountsView& view, ui::Worker& worker)
        : ticks_(std::move(ticks)), target_(target), worker_(worker), counts_(worker, view) {}

    bool IsChecked(engine::Category category) override;
    bool IsSelected(engine::Choice choice) override;
    void RunStarted() override;
    void Started(const engine::StepStarted& step) override;
    void Finished(const engine::StepFinished& step) override;
    void PhaseDone(engine::Phase phase) override;
    void RunStopped() override;
    engine::PurgeReport* ReportFor(engine::Category category) override;
    engine::PurgeReport* ReportForRow(const engine::CategoryRow& row) override;

  private:
    const Ticks ticks_;
    engine::RunSink& target_;
    ui::Worker& worker_;
    CountingReport counts_;
};

}  // namespace app
