#include "engine/cleaning_run.h"

#include "engine/category_steps.h"
#include "engine/category_table.h"

namespace engine {

PurgeReport* RunSink::ReportForRow(const CategoryRow& row) {
    return row.category ? ReportFor(*row.category) : nullptr;
}

namespace {

// Takes ROW's step; false when the run is to end first at a stop request.
bool Take(const CategoryRow& row, const CleaningServices& services, CleaningPaths& paths,
          const RunInput& input, RunSink& sink) {
    if (StopRequested(input.stop)) {
        sink.RunStopped();
        return false;
    }
    StepContext step{services, paths, input, sink.ReportForRow(row)};
    TakeStep(row, step, sink);
    return true;
}

}  // namespace

void RunCleaning(const CleaningServices& services, CleaningPaths& paths, const RunInput& input,
                 RunSink& sink) {
    sink.RunStarted();
    Phase phase = Phase::Cleaning;
    // Ends PHASE; the definitions come after the built-in categories' cleaning. False when the
    // run was stopped meanwhile.
    auto endPhase = [&] {
        if (phase == Phase::Cleaning)
            for (const CategoryRow* definition : input.definitions)
                if (!Take(*definition, services, paths, input, sink)) return false;
        sink.PhaseDone(phase);
        return true;
    };
    for (const CategoryRow& row : CategoryTable()) {
        if (StopRequested(input.stop)) {
            sink.RunStopped();
            return;
        }
        if (row.phase != phase) {
            if (!endPhase()) return;
            phase = row.phase;
        }
        const bool ticked =
            row.category ? sink.IsChecked(*row.category) : sink.IsSelected(*row.choice);
        if (ticked && !Take(row, services, paths, input, sink)) return;
    }
    (void)endPhase();
}

}  // namespace engine
