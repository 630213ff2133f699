#include "engine/category_steps.h"

#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/purge_target.h"
#include "engine/registry_backup.h"
#include "platform/files.h"

namespace engine {

namespace {

// Counts what a step's purge reports into its StepFinished, and passes every entry on.
class Tally final : public PurgeReport {
  public:
    Tally(StepFinished& result, PurgeReport* next) : result_(result), next_(next) {}

    void Deleted(const std::string& path, std::uint64_t bytes) override {
        ++result_.files;
        result_.bytes += bytes;
        if (next_) next_->Deleted(path, bytes);
    }
    void Unlinked(const std::string& path) override {
        if (next_) next_->Unlinked(path);
    }
    void FileDone(std::uint64_t bytes) override {
        if (next_) next_->FileDone(bytes);
    }
    void Removed(const std::string& path) override {
        ++result_.folders;
        if (next_) next_->Removed(path);
    }
    void Failed(const std::string& path, const std::string& reason) override {
        result_.failures.push_back({path, reason});
        if (next_) next_->Failed(path, reason);
    }
    void Refused(const std::string& folder, const std::string& reason) override {
        refused_ = true;
        result_.reason = reason;
        if (next_) next_->Refused(folder, reason);
    }
    void Stopped(const std::string& folder, const std::string& reason) override {
        stopped_ = true;
        result_.reason = reason;
        if (next_) next_->Stopped(folder, reason);
    }
    void Entered(const std::string& folder) override {
        if (next_) next_->Entered(folder);
    }
    void Kept(const std::string& path) override {
        ++result_.kept;
        if (next_) next_->Kept(path);
    }

    // The outcome of a step that did its work (DONE) or found nothing to work on.
    Outcome OutcomeOf(bool done) const {
        if (refused_) return Outcome::Refused;
        if (stopped_) return Outcome::Stopped;
        return done ? Outcome::Done : Outcome::Missing;
    }

  private:
    StepFinished& result_;
    PurgeReport* next_;
    bool refused_ = false, stopped_ = false;
};

// ROW's folder step when its folder is there.
std::optional<FolderStep> PresentFolder(const CategoryRow& row, StepContext& step) {
    std::optional<FolderStep> folder = FolderStepOf(row, step.paths);
    if (!folder || folder->folder.empty() || !step.services.files.DirectoryExists(folder->present))
        return std::nullopt;
    return folder;
}

bool Empty(const FolderStep& folder, StepContext& step) {
    return PurgeFolder(step.services.files, folder.folder, step.paths.WindowsDirectory(),
                       {.clearAttributes = folder.flags.clearAttributes,
                        .stopOnFailure = folder.flags.stopOnFailure,
                        .mode = step.mode,
                        .report = step.report,
                        .keep = step.input.keep,
                        .stop = step.input.stop});
}

// Whether every folder of TARGETS that is there may be emptied as one named by SOURCE; the
// first that may not is reported refused.
bool AllAccepted(const std::vector<FolderTarget>& targets, TargetSource source, StepContext& step,
                 const std::string& windows) {
    for (const FolderTarget& target : targets) {
        std::string refusal = target.refusal;
        if (refusal.empty() && !target.folder.empty() &&
            step.services.files.DirectoryExists(target.folder))
            refusal = CheckPurgeTarget(step.services.files, target.folder, windows, source).refusal;
        if (refusal.empty()) continue;
        if (step.report != nullptr) step.report->Refused(target.folder, refusal);
        return false;
    }
    return true;
}

// Saves what PLAN deletes from the registry to the run's backup; false, with the step
// reported stopped, when it cannot be saved (then nothing of the step may go).
bool SaveBackup(const RegistryPlan& plan, StepContext& step) {
    if (plan.Empty() || step.mode == PurgeMode::Preview) return true;
    std::string why = "no registry backup was asked for";
    if (step.input.registryBackup != nullptr &&
        step.input.registryBackup->Save(plan.KeyRecords(), why))
        return true;
    if (step.report != nullptr)
        step.report->Stopped(plan.records.front().key.name, why + "; nothing of it was deleted");
    return false;
}

// Deletes what PLAN names from the registry (in a preview, tells what would go) into
// RESULT; whether anything was to go.
bool CleanRegistry(const RegistryPlan& plan, StepContext& step, std::vector<std::string>& result) {
    if (plan.Empty()) return false;
    if (step.mode == PurgeMode::Preview) {
        result = plan.Items();
        return true;
    }
    RegistryOutcome outcome = CarryOut(step.services.registry, plan);
    result = std::move(outcome.deleted);
    if (step.report != nullptr)
        for (const FailedEntry& failure : outcome.failures)
            step.report->Failed(failure.path, failure.reason);
    return true;
}

// Empties every folder of ROW's multi-folder step that is there, and deletes its registry
// keys (REGISTRY gets what went); whether any folder was there (and was not refused) or any
// key. A definition's entry runs whole or not at all: when one of its folders is refused, or
// its registry backup cannot be written, nothing is touched.
bool EmptyFolders(const CategoryRow& row, StepContext& step, std::vector<std::string>& registry) {
    bool any = false;
    const std::string windows = step.paths.WindowsDirectory();
    // The row's own exclusions join the user's keep list.
    KeepList keep = row.keep;
    if (step.input.keep != nullptr) keep.Merge(*step.input.keep);
    const std::vector<FolderTarget> targets = row.folders(step.services, step.paths);
    if (row.source == TargetSource::Definition && !AllAccepted(targets, row.source, step, windows))
        return false;
    const RegistryPlan plan =
        row.registry.Empty()
            ? RegistryPlan{}
            : PlanRegistryCleaning(step.services.registry, step.services.files, row.registry);
    if (!SaveBackup(plan, step)) return false;
    for (const FolderTarget& target : targets) {
        if (!target.refusal.empty()) {
            if (step.report != nullptr) step.report->Refused(target.folder, target.refusal);
            continue;
        }
        if (target.folder.empty() || !step.services.files.DirectoryExists(target.folder)) continue;
        if (StopRequested(step.input.stop)) {
            if (step.report != nullptr) step.report->Stopped(target.folder, kReasonStopRequested);
            return any;  // the registry keys go with the rest of the entry, or not at all
        }
        const PurgeOptions options{.mode = step.mode,
                                   .report = step.report,
                                   .keep = keep.Empty() ? nullptr : &keep,
                                   .removeFolder = target.removeSelf,
                                   .source = row.source,
                                   .stop = step.input.stop};
        const bool done = target.masks.empty()
                              ? PurgeFolder(step.services.files, target.folder, windows, options)
                              : PurgeMatchingFiles(step.services.files, target.folder, target.masks,
                                                   target.recurse, windows, options);
        any = any || done;
    }
    return CleanRegistry(plan, step, registry) || any;
}

struct FilesFound {
    bool any = false;
    bool last = false;  // the last of them was there
};

// Deletes ROW's profile files that are there, in order. The line depends on the files having
// been there, not on their deletion.
FilesFound DeleteProfileFiles(const CategoryRow& row, StepContext& step) {
    FilesFound found;
    for (const char* item : row.profileFiles) {
        const std::string path = step.paths.OperaProfileItem(item);
        found.last = step.services.files.FileExists(path);
        if (!found.last) continue;
        found.any = true;
        (void)DeleteFileChecked(step.services.files, path, step.report, step.mode, step.input.keep);
    }
    return found;
}

void Measure(const CategoryRow& row, const CleaningServices& services,
             const std::optional<Holdings>& before, StepFinished& result) {
    const std::optional<Holdings> after = row.measure(services);
    auto gone = [](std::uint64_t a, std::uint64_t b) { return a > b ? a - b : 0; };
    if (before && after) {
        result.files = gone(before->items, after->items);
        result.bytes = gone(before->bytes, after->bytes);
    }
    if (!row.leftoverName.empty() && after && after->items > 0)
        result.failures.push_back(
            {std::string(row.leftoverName), std::to_string(after->items) + " entries in use"});
}

}  // namespace

bool EmptyFolderOf(const CategoryRow& row, StepContext& step) {
    const std::optional<FolderStep> folder = PresentFolder(row, step);
    return folder && Empty(*folder, step);
}

void TakeStep(const CategoryRow& row, StepContext& step, RunSink& sink) {
    StepFinished result{row};
    Tally tally(result, step.report);
    StepContext counted{step.services, step.paths, step.input, &tally, step.mode};
    const bool measure = step.input.measureHoldings && row.measure != nullptr;
    const std::optional<Holdings> before =
        measure ? row.measure(step.services) : std::optional<Holdings>();

    bool lineDue = false;
    bool done = true;
    if (row.action != nullptr) {
        sink.Started({row, {}});
        lineDue = row.action(counted, result.error);
    } else if (!row.profileFiles.empty()) {
        sink.Started({row, {}});
        lineDue = done = DeleteProfileFiles(row, counted).last;
    } else if (row.folders) {
        sink.Started({row, {}});
        lineDue = done = EmptyFolders(row, counted, result.registry);
    } else {
        const std::optional<FolderStep> folder = PresentFolder(row, counted);
        sink.Started({row, folder ? folder->folder : std::string()});
        // A folder the purge refuses gets no line: nothing was cleaned.
        lineDue = done = folder && Empty(*folder, counted);
    }
    if (measure) Measure(row, step.services, before, result);
    result.outcome = tally.OutcomeOf(done);
    // Stopped by a keep-list line that cannot be placed: the user hears of it once a run.
    if (result.outcome == Outcome::Stopped && step.input.keep != nullptr &&
        result.reason == step.input.keep->Problem())
        if (const std::string problem = step.input.keep->TellProblem(); !problem.empty())
            result.error = problem + ". Nothing it could keep is cleaned until the line is fixed.";
    if (lineDue) result.line = LineOf(row, step.input);
    sink.Finished(result);
}

StepFinished PreviewStep(const CategoryRow& row, const CleaningServices& services,
                         CleaningPaths& paths, PurgeReport* report, const KeepList* keep,
                         const std::atomic<bool>* stop) {
    StepFinished result{row};
    Tally tally(result, report);
    const RunInput input{.keep = keep, .stop = stop};
    StepContext step{services, paths, input, &tally, PurgeMode::Preview};
    bool done = true;
    if (const std::optional<FolderStep> folder = FolderStepOf(row, paths)) {
        const std::optional<FolderStep> present = PresentFolder(row, step);
        done = present.has_value();
        if (present) (void)Empty(*present, step);
    } else if (!row.profileFiles.empty()) {
        done = DeleteProfileFiles(row, step).any;
    } else if (row.folders) {
        done = EmptyFolders(row, step, result.registry);
    }
    const std::optional<Holdings> holdings =
        row.measure ? row.measure(services) : std::optional<Holdings>();
    if (holdings) {
        result.files = holdings->items;
        result.bytes = holdings->bytes;
    } else {
        result.note = std::string(row.previewNote);
    }
    result.outcome = tally.OutcomeOf(done);
    return result;
}

}  // namespace engine
