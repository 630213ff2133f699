#include "engine/cleaning_run.h"

#include "engine/category_steps.h"
#include "engine/category_table.h"

namespace engine {

void RunCleaning(const CleaningServices& services, CleaningPaths& paths, const RunInput& input,
                 RunSink& sink) {
    sink.RunStarted();
    Phase phase = Phase::Cleaning;
    for (const CategoryRow& row : CategoryTable()) {
        if (StopRequested(input.stop)) {
            sink.RunStopped();
            return;
        }
        if (row.phase != phase) {
            sink.PhaseDone(phase);
            phase = row.phase;
        }
        const bool ticked =
            row.category ? sink.IsChecked(*row.category) : sink.IsSelected(*row.choice);
        if (!ticked) continue;
        StepContext step{services, paths, input,
                         row.category ? sink.ReportFor(*row.category) : nullptr};
        TakeStep(row, step, sink);
    }
    sink.PhaseDone(phase);
}

}  // namespace engine
