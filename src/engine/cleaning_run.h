#pragma once
// One cleaning pass over the rows of the category table, in its order: each ticked category
// and selected choice takes its step, and the sink hears of every one.

#include "engine/run_events.h"
#include "platform/services.h"

namespace engine {

class CleaningPaths;

// The operating-system services a run uses, and the profile functions its callers read the
// settings through (the run itself is handed what it needs of them in RunInput).
struct CleaningServices {
    platform::FileSystem& files;
    platform::System& system;
    platform::Profile& profile;
    platform::Registry& registry;
    platform::Shell& shell;
    platform::UrlCache& urlCache;
};

// Runs the pass. An error of a step (a refused registry write) propagates as
// std::runtime_error and ends the run there: the step has started and does not finish. A stop
// requested through INPUT.stop ends the folder being emptied after the file at hand (its step
// finishes Stopped) and the run before its next row (RunStopped).
void RunCleaning(const CleaningServices& services, CleaningPaths& paths, const RunInput& input,
                 RunSink& sink);

}  // namespace engine
