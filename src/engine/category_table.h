#pragma once
// Every cleaning category and registry choice of the run, one row each, in the order the run
// takes them: its command-line id and caption, what it works on, what its step does, the
// line it logs, what a preview tells and what it writes to the registry. The run, the
// main window's clicks and the command line all read it from here.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/categories.h"
#include "engine/keep_list.h"
#include "engine/purge.h"
#include "engine/registry_cleaning.h"
#include "engine/run_events.h"
#include "engine/today_targets.h"

namespace engine {

class CleaningPaths;
struct CleaningServices;

// When a row's step comes up: the cleaning pass, the settings applied after the file list was
// re-read, or after the run's completion was announced.
enum class Phase { Cleaning, Settings, AfterCompletion };

// How a folder step empties its folder.
struct PurgeFlags {
    bool clearAttributes = false;
    bool stopOnFailure = false;
    // Purged through its path with a trailing separator, so that the mask pass runs on it.
    bool throughSeparator = false;
};

// What a step has to work with.
struct StepContext {
    const CleaningServices& services;
    CleaningPaths& paths;
    const RunInput& input;
    PurgeReport* report;  // may be null
    PurgeMode mode = PurgeMode::Clean;
};

// What can be counted of a target that reports no entries (the recycle bins, the Internet
// cache): items and bytes; nullopt when the system cannot tell.
struct Holdings {
    std::uint64_t items = 0;
    std::uint64_t bytes = 0;
};

struct CategoryRow {
    std::string_view id;               // the command line's name for it
    std::string_view name;             // its caption in the main window
    std::optional<Category> category;  // a check box
    std::optional<Choice> choice;      // a radio choice (a registry tweak)
    Phase phase = Phase::Cleaning;

    // The folder its box shows in the file list and, for a folder step, the run empties;
    // null for what is not a folder.
    std::string (*folder)(CleaningPaths&) = nullptr;
    // The folder is shown, not emptied: the step reaches its contents another way.
    bool folderShownOnly = false;
    // A folder step empties FOLDER with these flags.
    PurgeFlags purge;
    bool showWhileCleaning = false;  // the file list moves to the folder before it is emptied
    // A profile-file step deletes these, in order, and logs when the last was there.
    std::vector<const char*> profileFiles;
    // A step over several folders found here and now (one per browser profile, say): each that
    // is there is emptied as a folder step's folder is, or loses only its files matching its
    // masks.
    std::function<std::vector<FolderTarget>(const CleaningServices&, CleaningPaths&)> folders;
    // What this row's step keeps besides the user's keep list (a definition's exclusions).
    KeepList keep;
    // What its step deletes from the registry (a definition's registry keys), saved to the
    // run's registry backup first.
    RegistryCleaning registry;
    // Who names its folders, which decides where they may lie; a definition's entry runs
    // whole or not at all.
    TargetSource source = TargetSource::System;
    // Any other step (or one that empties its folder only on a condition): does its work and tells
    // whether its line is due (the folder of "Cache Dll" is emptied from here). Throws
    // std::runtime_error on a refused registry write.
    bool (*action)(StepContext&, std::string& error) = nullptr;

    // The activity-log line; "{quota}" stands for the cache quota in MB.
    std::string_view line;
    // What a preview counts instead of walking (null: nothing to count).
    std::optional<Holdings> (*measure)(const CleaningServices&) = nullptr;
    // A preview's note: always for a row that counts nothing, else when counting failed.
    std::string_view previewNote;
    // What it works on, for a user to check: "{folder}" stands for its folder.
    std::string target;
    // A thing left behind after a clean that MEASURE still counts (e.g. cache entries in use).
    std::string_view leftoverName;
    // The program whose open files keep what its step could not delete ("chrome.exe").
    std::string_view process;
    // Writes the registry or removes a component besides (or instead of) deleting files: never
    // taken by the command line's "all".
    bool changesSystem = false;
};

// Every row, in the run's order.
const std::vector<CategoryRow>& CategoryTable();
const CategoryRow& RowOf(Category category);
const CategoryRow& RowOf(Choice choice);
// Whether the command line's "all" takes ROW: every category that only deletes files.
bool InAll(const CategoryRow& row);
// The row with command-line ID, or nullptr.
const CategoryRow* FindRow(std::string_view id);

// The folder step of a row: the path given to the purge ("" when it cannot be placed here)
// and the path that must be a folder for the step to run.
struct FolderStep {
    std::string folder;
    std::string present;
    PurgeFlags flags;
};
std::optional<FolderStep> FolderStepOf(const CategoryRow& row, CleaningPaths& paths);

// The row's log line for a run with INPUT.
std::string LineOf(const CategoryRow& row, const RunInput& input);
// What the row works on here and now.
std::string TargetOf(const CategoryRow& row, const CleaningServices& services,
                     CleaningPaths& paths);

}  // namespace engine
