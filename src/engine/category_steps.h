#pragma once
// Taking one row's step: in a run, telling the sink, or as a preview that changes nothing.
// A folder step empties its folder when it is there, a profile-file step deletes its files,
// any other step runs the row's action.

#include "engine/category_table.h"

namespace engine {

class RunSink;

// Empties ROW's folder when it is there; false when it is missing or refused (its line is
// not due).
bool EmptyFolderOf(const CategoryRow& row, StepContext& step);

// Takes ROW's step of a run: tells SINK it started and how it finished.
void TakeStep(const CategoryRow& row, StepContext& step, RunSink& sink);

// What ROW's step would do, walked with the clean's own rules (KEEP, may be null, included),
// changing nothing; entries go to REPORT (may be null). STOP (may be null) set from another
// thread ends the walk early, the outcome Stopped.
StepFinished PreviewStep(const CategoryRow& row, const CleaningServices& services,
                         CleaningPaths& paths, PurgeReport* report, const KeepList* keep = nullptr,
                         const std::atomic<bool>* stop = nullptr);

}  // namespace engine
