#pragma once
// What a cleaning run is given and what it tells: the run reads each box through the sink at
// its turn and reports every step it takes as a StepStarted and a StepFinished; a window, the
// command line or a test decides what to make of them.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/categories.h"
#include "platform/window_handle.h"

namespace engine {

class KeepList;
class PurgeReport;
class RegistryBackup;
struct CategoryRow;
enum class Phase;

struct RunInput {
    platform::WindowHandle owner = nullptr;  // owner of the shell's windows
    int cacheQuotaMb = 0;                    // the file-protection cache quota to write
    // Count the recycle bins and the Internet cache before and after their steps.
    bool measureHoldings = false;
    // What no step deletes (the user's keep list); may be null.
    const KeepList* keep = nullptr;
    // Set from another thread to end the run after the file at hand; may be null.
    const std::atomic<bool>* stop = nullptr;
    // Where what a step deletes from the registry is saved first; without one nothing is
    // deleted from the registry.
    RegistryBackup* registryBackup = nullptr;
    // Rows of cleaner definitions to take after the built-in cleaning categories, in order.
    std::vector<const CategoryRow*> definitions;
};

// The activity-log line of a run that ended at the user's stop request.
inline constexpr const char* kStopLine = "Stopped by the user (Остановлено пользователем)";

inline bool StopRequested(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

enum class Outcome {
    Done,     // the step did its work (its line, if any, is logged)
    Missing,  // its folder or files were not there: nothing done, no line
    Refused,  // its folder must not be purged: nothing done
    Stopped,  // its folder's purge ended halfway (or at a stop request)
};

struct FailedEntry {
    std::string path;  // literal, as the walk built it, or a name for what is not a file
    std::string reason;
};

struct StepStarted {
    const CategoryRow& row;
    std::string folder;  // the folder about to be emptied ("" for other steps)
};

struct StepFinished {
    const CategoryRow& row;
    Outcome outcome = Outcome::Done;
    std::uint64_t files = 0, folders = 0, bytes = 0;
    std::uint64_t kept = 0;  // entries left for the keep list
    std::vector<FailedEntry> failures;
    std::string reason;  // why the folder was refused or its purge stopped
    std::string error;   // a message for the user (the step went on)
    std::string note;    // what a preview adds in words
    std::string line;    // the activity-log line ("" for none)
    // Registry keys ("...\") and values ("...|name") deleted (or that would be).
    std::vector<std::string> registry;
};

class RunSink {
  public:
    virtual ~RunSink() = default;

    // Boxes and radio buttons are read when their step comes up.
    virtual bool IsChecked(Category category) = 0;
    virtual bool IsSelected(Choice choice) = 0;

    virtual void RunStarted() {}
    virtual void Started(const StepStarted& step) { (void)step; }
    virtual void Finished(const StepFinished& step) { (void)step; }
    // Every step of PHASE has been taken.
    virtual void PhaseDone(Phase phase) { (void)phase; }
    // The run ended early at a stop request: no later step is taken, no phase is done.
    virtual void RunStopped() {}
    // Where the entries of CATEGORY's step are reported one by one; none when null.
    virtual PurgeReport* ReportFor(Category category) {
        (void)category;
        return nullptr;
    }
    // The same for any row (a definition's has no category); by default ReportFor its category.
    virtual PurgeReport* ReportForRow(const CategoryRow& row);
};

}  // namespace engine
