#pragma once
// What a cleaner definition deletes from the registry: keys with everything below them, or
// single values, less what its exclusions keep. The plan is read from the registry as it is
// when the step comes up; it holds every key and value that goes (for the backup written
// before anything is deleted, and for a preview) and the deletions that do it: a whole tree
// where nothing in it is kept, else value by value, keeping the keys that hold what is kept.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/reg_file.h"
#include "engine/registry_key_path.h"
#include "engine/run_events.h"

namespace platform {
class FileSystem;
class Registry;
}  // namespace platform

namespace engine {

struct RegistryItem {
    RegistryKeyPath key;
    bool wholeKey = true;  // the key with everything below it; else the one value
    std::string value;
};

struct RegistryCleaning {
    std::vector<RegistryItem> remove;
    std::vector<RegistryItem> keep;
    bool Empty() const { return remove.empty(); }
};

struct RegistryPlan {
    struct Deletion {
        RegistryKeyPath key;
        std::optional<std::string> value;  // none: the key's whole tree
    };
    // Every key and value that goes, each key before what is below it, each with the index of
    // the deletion that takes it.
    struct Record {
        KeyRecord key;
        bool whole = false;  // the key itself goes (with its values)
        std::size_t deletion = 0;
    };
    std::vector<Record> records;
    std::vector<Deletion> deletions;

    bool Empty() const { return deletions.empty(); }
    // The records as a backup file holds them.
    std::vector<KeyRecord> KeyRecords() const;
    // What goes, for a user: "HKEY_CURRENT_USER\Software\x\" for a key,
    // "HKEY_CURRENT_USER\Software\x|name" for a value ("|(default)" for the default value); of
    // the deletions DONE only (all when empty).
    std::vector<std::string> Items(const std::vector<bool>& done = {}) const;
};

// Reads what WHAT deletes from REGISTRY now. Names compare as FILES compares them (the
// system's case folding).
RegistryPlan PlanRegistryCleaning(platform::Registry& registry, platform::FileSystem& files,
                                  const RegistryCleaning& what);

// Carries PLAN out: the items deleted, and each deletion the system refused as a failure.
struct RegistryOutcome {
    std::vector<std::string> deleted;
    std::vector<FailedEntry> failures;
};
RegistryOutcome CarryOut(platform::Registry& registry, const RegistryPlan& plan);

}  // namespace engine
