#pragma once
// What an administrator sets by Group Policy under SOFTWARE\Policies\Skarvel, for the machine
// (HKEY_LOCAL_MACHINE) and for a user (HKEY_CURRENT_USER), read once at start. As Group
// Policy has it, a value set for the machine wins over the same value set for the user; the
// keep patterns of both apply.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/keep_list.h"
#include "platform/registry.h"
#include "platform/task_scheduler.h"

namespace platform {
class System;
}

namespace engine {

inline constexpr char kPolicyKey[] = "SOFTWARE\\Policies\\Skarvel";
// The hint of a control whose state the policy fixes.
inline constexpr char kSetByAdministrator[] = "set by your administrator";

// One registry value the program reads under the policy key: its sub-key ("" for the key
// itself), its name ("*" for every value of a list key) and its type.
struct PolicyValue {
    std::string key;
    std::string name;
    platform::RegistryType type;
};
// Every value the program reads, the same under both roots. The administrative templates
// define exactly these.
std::vector<PolicyValue> PolicyValues();

// The schedule the administrator sets for every user's own scheduled cleaning.
struct SchedulePolicy {
    std::optional<platform::TaskTrigger> trigger;  // nullopt: no scheduled cleaning
    int hour = 3, minute = 0;
    std::vector<std::string> ids;  // what it cleans; none means no scheduled cleaning
};

struct Policy {
    // Category ids forced on (true) or off (false).
    std::map<std::string, bool, std::less<>> categories;
    // Patterns added to every user's keep list, each with where it was set.
    struct KeepPattern {
        std::string where;
        std::string pattern;
    };
    std::vector<KeepPattern> keepPatterns;
    // Whether cleaner definitions may be read; nullopt when not set.
    std::optional<bool> definitionsAllowed;
    // The one definitions file that may be read (variables unexpanded); empty when not set.
    std::string definitionsFile;
    std::optional<SchedulePolicy> schedule;

    // Whether the id ID is forced on or off.
    std::optional<bool> Forced(std::string_view id) const;
};

Policy ReadPolicy(platform::Registry& registry);

// The policy's keep patterns added to KEEP through the keep list's own reader: a pattern that
// cannot be placed is the list's problem, as a line of keep.txt is.
void AddPolicyPatterns(KeepList& keep, const Policy& policy, platform::FileSystem& files,
                       platform::System& system);

// The definitions file a run may read when the user chose CHOSEN (empty: none): the
// administrator's fixed file when one is set, whatever was chosen; nothing, with the reason,
// when definitions are turned off or the fixed file's name cannot be placed.
struct DefinitionsFile {
    std::string path;         // empty: no definitions
    std::string refusal;      // why none may be read; empty when not refused
    bool fixed = false;       // PATH is the administrator's
    bool overridden = false;  // the user chose another file than the administrator's
};
DefinitionsFile DefinitionsFileFor(const Policy& policy, platform::System& system,
                                   const std::string& chosen);

}  // namespace engine
