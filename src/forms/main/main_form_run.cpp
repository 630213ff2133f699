// The main window's run and analysis. Both go on a thread of their own while the window keeps
// answering; the controls that could change them are disabled meanwhile and "Begin" (or Esc)
// stops them after the file at hand. Every effect reaches the window through the worker, in
// order (the run's own through CleaningViewAdapter).

#include "controls/glyphs/button_glyphs.h"
#include "engine/category_steps.h"
#include "engine/category_table.h"
#include "forms/main/main_form.h"
#include "settings/cache_quota.h"
#include "ui/application.h"

namespace {

// The steps a run of TICKS takes: one per ticked category, selected choice and definition.
int StepsOf(const app::Ticks& ticks) {
    int steps = static_cast<int>(ticks.definitions.size());
    for (const engine::CategoryRow& row : engine::CategoryTable())
        if ((row.category && ticks.categories.count(*row.category)) ||
            (row.choice && ticks.choices.count(*row.choice)))
            ++steps;
    return steps;
}

}  // namespace

TForm1::~TForm1() {
    stop_ = true;  // the worker, destroyed first, waits for the file at hand
}

app::Ticks TForm1::Ticked() {
    app::Ticks ticks;
    for (const engine::CategoryRow& row : engine::CategoryTable()) {
        if (row.category && view_.IsChecked(*row.category)) ticks.categories.insert(*row.category);
        if (row.choice && view_.IsSelected(*row.choice)) ticks.choices.insert(*row.choice);
    }
    for (const std::string& id : DefinitionGroups1.Ticked()) ticks.definitions.insert(id);
    return ticks;
}

void TForm1::KVZXPSpeedButton10Click() {
    if (Running()) {
        StopRun();
        return;
    }
    StartClean(Ticked());
}

void TForm1::KVZXPSpeedButton15Click() {
    if (Running()) return;
    StartAnalysis(Ticked());
}

void TForm1::KVZXPButton1Click() {
    if (Running()) return;
    // Exactly the categories analysed; the radio choices, which every run applies, as they stand.
    app::Ticks ticks = Ticked();
    ticks.categories = analysed_.categories;
    ticks.definitions = analysed_.definitions;
    StartClean(std::move(ticks));
}

void TForm1::KVZXPButton2Click() {
    CloseAnalysis();
}

void TForm1::EscapePressed() {
    if (Running())
        StopRun();
    else if (AnalysisView1.Shown())
        CloseAnalysis();
}

void TForm1::StartClean(app::Ticks ticks) {
    CloseAnalysis();
    auto job = std::make_unique<JobState>();
    // Read at every run, so an edit of keep.txt counts at the next "Begin".
    job->keep = engine::LoadKeepList(services_.files, services_.system);
    engine::AddPolicyPatterns(job->keep, policy_, services_.files, services_.system);
    job->backup = std::make_unique<engine::RegistryBackup>(services_.files, services_.system);
    ui::ControlPeer* peer = Peer();
    job->input = {.owner = peer ? peer->NativeHandle() : nullptr,
                  .cacheQuotaMb = settings::SettleCacheSize(services_.files, services_.system,
                                                            services_.profile),
                  .measureHoldings = true,
                  .keep = &job->keep,
                  .stop = &stop_,
                  .registryBackup = job->backup.get(),
                  .definitions = DefinitionGroups1.RowsOf(ticks.definitions)};
    const int steps = StepsOf(ticks);
    job->relay = std::make_unique<app::RunRelay>(std::move(ticks), view_, RunPanel1, worker_);
    JobState& state = *job;
    job_ = std::move(job);
    BeginJob(Job::Clean, steps);
    worker_.Start(
        [this, &state] {
            try {
                engine::RunCleaning(services_, paths_, state.input, *state.relay);
            } catch (...) {
                worker_.Post([this] { view_.RunFailed(); });
                throw;  // reported after the run's effects, as the run's own error
            }
        },
        [this] { CleanEnded(); });
}

void TForm1::StartAnalysis(app::Ticks ticks) {
    CloseAnalysis();
    auto job = std::make_unique<JobState>();
    job->keep = engine::LoadKeepList(services_.files, services_.system);
    engine::AddPolicyPatterns(job->keep, policy_, services_.files, services_.system);
    for (const engine::CategoryRow& row : engine::CategoryTable())
        if (row.category && ticks.categories.count(*row.category)) job->analysed.push_back(&row);
    for (const engine::CategoryRow* row : DefinitionGroups1.RowsOf(ticks.definitions))
        job->analysed.push_back(row);
    job->counts = std::make_unique<app::CountingReport>(worker_, RunPanel1);
    analysed_ = std::move(ticks);
    analysis_.clear();
    JobState& state = *job;
    job_ = std::move(job);
    BeginJob(Job::Analysis, static_cast<int>(state.analysed.size()));
    worker_.Start(
        [this, &state] {
            for (const engine::CategoryRow* row : state.analysed) {
                if (engine::StopRequested(&stop_)) break;
                worker_.Post([this, row] { RunPanel1.ShowStep(std::string(row->name)); });
                engine::StepFinished step = engine::PreviewStep(
                    *row, services_, paths_, state.counts.get(), &state.keep, &stop_);
                state.counts->Flush();
                worker_.Post([this, step] {
                    analysis_.push_back(step);
                    RunPanel1.StepDone();
                });
            }
        },
        [this] { AnalysisEnded(); });
}

void TForm1::BeginJob(Job job, int steps) {
    running_ = job;
    stop_ = false;
    beginHint_ = KVZXPSpeedButton10.Hint();
    // A box that is disabled loses the keyboard: the file list holds it meanwhile (Esc reaches
    // the window from there), and the box gets it back after.
    focusBefore_ =
        ActiveControl() != nullptr && ActiveControl()->Focused() ? ActiveControl() : nullptr;
    EnableRunInputs(false);
    if (focusBefore_ != nullptr && !focusBefore_->CanFocus() && ShellListView1.CanFocus())
        ShellListView1.SetFocus();
    KVZXPSpeedButton10.SetGlyph(glyphs::StopGlyph());
    KVZXPSpeedButton10.SetHint(stopHint_);
    KVZXPSpeedButton10.SetShortcut(ui::key::kEscape, ui::shift::kNone);
    OpenRunPanel();
    RunPanel1.ShowProgress(steps, job == Job::Analysis);
}

void TForm1::CleanEnded() {
    const std::string summary = view_.Summary().Text();
    RunPanel1.ShowSummary(summary);
    summaries_.emplace_back(Memo1.Lines().size(), summary);
    EndJob();
}

void TForm1::AnalysisEnded() {
    const bool stopped = stop_.load();
    engine::RunSummary total;
    std::vector<app::AnalysisRow> rows;
    for (const engine::StepFinished& step : analysis_) {
        total.Add(step);
        rows.push_back(app::AnalysisRowOf(step));
    }
    if (stopped) total.SetEnd(engine::RunSummary::End::Stopped);
    ShellListView1.SetVisible(false);
    AnalysisView1.Show(std::move(rows));
    // A stopped analysis covered less than was ticked: nothing to clean "exactly"; an empty
    // one has nothing to clean.
    const bool cleanable = !stopped && !analysis_.empty();
    RunPanel1.ShowTotal(total.PreviewText(), cleanable);
    EndJob();
    if (cleanable && Showing()) RunPanel1.KVZXPButton1.SetFocus();
}

void TForm1::EndJob() {
    running_ = Job::None;
    job_.reset();
    stop_ = false;
    EnableRunInputs(true);
    if (focusBefore_ != nullptr && focusBefore_->CanFocus() && Showing()) focusBefore_->SetFocus();
    focusBefore_ = nullptr;
    KVZXPSpeedButton10.SetGlyph(glyphs::BeginGlyph());
    KVZXPSpeedButton10.SetHint(beginHint_);
    KVZXPSpeedButton10.SetShortcut(ui::key::kF5, ui::shift::kNone);
    if (auto after = std::exchange(afterJob_, nullptr)) after();
}

void TForm1::StopRun() {
    if (Running()) stop_ = true;
}

void TForm1::CloseAnalysis() {
    if (!AnalysisView1.Shown()) return;
    AnalysisView1.Hide();
    ShellListView1.SetVisible(true);
    if (!summaries_.empty()) {
        RunPanel1.ShowSummary(summaries_.back().second);
        return;
    }
    // No run yet to sum up: the file list takes its whole place again.
    RunPanel1.Close();
    PlaceLists(kListHeight);
}

void TForm1::OpenRunPanel() {
    PlaceLists(app::RunPanel::kListHeight);
}

void TForm1::PlaceLists(int height) {
    const ui::Rect list = ui::Rect::FromSize(5, 2, 375, height);
    ShellListView1.SetBounds(list);
    AnalysisView1.ListView1.SetBounds(list);
}

std::vector<std::string> TForm1::LogWithSummaries() const {
    std::vector<std::string> lines;
    const std::vector<std::string>& log = Memo1.Lines();
    std::size_t from = 0;
    for (const auto& [before, summary] : summaries_) {
        lines.insert(lines.end(), log.begin() + static_cast<std::ptrdiff_t>(from),
                     log.begin() + static_cast<std::ptrdiff_t>(before));
        lines.push_back(summary);
        from = before;
    }
    lines.insert(lines.end(), log.begin() + static_cast<std::ptrdiff_t>(from), log.end());
    return lines;
}
