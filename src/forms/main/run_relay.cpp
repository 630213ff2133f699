#include "forms/main/run_relay.h"

#include "ui/worker.h"

namespace app {

namespace {
constexpr auto kCountsEvery = std::chrono::milliseconds(100);
}  // namespace

void CountingReport::FileDone(std::uint64_t bytes) {
    ++files_;
    bytes_ += bytes;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPost_ < kCountsEvery) return;
    lastPost_ = now;
    Flush();
}

void CountingReport::Flush() {
    if (files_ == postedFiles_) return;
    postedFiles_ = files_;
    worker_.Post(
        [view = &view_, files = files_, bytes = bytes_] { view->ShowCounts(files, bytes); });
}

bool RunRelay::IsChecked(engine::Category category) {
    return ticks_.categories.count(category) != 0;
}

bool RunRelay::IsSelected(engine::Choice choice) {
    return ticks_.choices.count(choice) != 0;
}

void RunRelay::RunStarted() {
    worker_.Post([target = &target_] { target->RunStarted(); });
}

void RunRelay::Started(const engine::StepStarted& step) {
    worker_.Post([target = &target_, row = &step.row, folder = step.folder] {
        target->Started({*row, folder});
    });
}

void RunRelay::Finished(const engine::StepFinished& step) {
    counts_.Flush();
    worker_.Post([target = &target_, step] { target->Finished(step); });
}

void RunRelay::PhaseDone(engine::Phase phase) {
    worker_.Post([target = &target_, phase] { target->PhaseDone(phase); });
}

void RunRelay::RunStopped() {
    counts_.Flush();
    worker_.Post([target = &target_] { target->RunStopped(); });
}

engine::PurgeReport* RunRelay::ReportFor(engine::Category category) {
    (void)category;
    return &counts_;
}

engine::PurgeReport* RunRelay::ReportForRow(const engine::CategoryRow& row) {
    (void)row;
    return &counts_;
}

}  // namespace app
