#include "engine/policy.h"

#include <algorithm>

#include "engine/category_table.h"
#include "engine/scheduled_cleaning.h"
#include "platform/system.h"

namespace engine {

namespace {

using platform::RegistryRoot;
using platform::RegistryType;

constexpr char kCategoriesKey[] = "Categories";
constexpr char kKeepPatternsKey[] = "KeepPatterns";
constexpr char kAllowDefinitions[] = "AllowDefinitions";
constexpr char kDefinitionsFile[] = "DefinitionsFile";
constexpr char kSchedule[] = "Schedule";
constexpr char kScheduleTime[] = "ScheduleTime";
constexpr char kScheduleCategories[] = "ScheduleCategories";

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string RootName(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// A DWORD value's number; nullopt for a value of another type.
std::optional<std::uint32_t> Dword(const std::optional<platform::RegistryValue>& value) {
    if (!value || value->type != RegistryType::Dword || value->data.size() != 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(value->data[0]) | value->data[1] << 8 | value->data[2] << 16 |
           static_cast<std::uint32_t>(value->data[3]) << 24;
}

// A string value's text; nullopt for a value of another type.
std::optional<std::string> Text(const std::optional<platform::RegistryValue>& value) {
    if (!value ||
        (value->type != RegistryType::String && value->type != RegistryType::ExpandString))
        return std::nullopt;
    return value->Text();
}

// What one root sets.
struct Hive {
    std::map<std::string, bool, std::less<>> categories;
    std::vector<Policy::KeepPattern> keepPatterns;
    std::optional<bool> definitionsAllowed;
    std::optional<std::string> definitionsFile;
    std::optional<SchedulePolicy> schedule;
};

std::optional<SchedulePolicy> ReadSchedule(platform::RegistryKey& key) {
    const std::optional<std::string> kind = Text(key.ReadValue(kSchedule));
    if (!kind) return std::nullopt;
    SchedulePolicy schedule;
    const std::string name = Lower(*kind);
    if (name == "daily")
        schedule.trigger = platform::TaskTrigger::Daily;
    else if (name == "weekly")
        schedule.trigger = platform::TaskTrigger::Weekly;
    else if (name == "logon")
        schedule.trigger = platform::TaskTrigger::Logon;
    else if (name != "none")
        return std::nullopt;  // not a schedule this program knows: as if not set
    if (auto time = Text(key.ReadValue(kScheduleTime)))
        if (auto parsed = ParseTimeOfDay(*time)) {
            schedule.hour = parsed->first;
            schedule.minute = parsed->second;
        }
    if (auto ids = Text(key.ReadValue(kScheduleCategories)))
        for (std::string& id : SplitIds(*ids))
            if (FindRow(id) != nullptr || id == "all" || id.starts_with("w2-"))
                if (std::find(schedule.ids.begin(), schedule.ids.end(), id) == schedule.ids.end())
                    schedule.ids.push_back(std::move(id));
    if (schedule.ids.empty()) schedule.trigger.reset();
    return schedule;
}

Hive ReadHive(platform::Registry& registry, RegistryRoot root) {
    Hive hive;
    auto key = registry.OpenKey(root, kPolicyKey, platform::KeyMode::ReadOnly);
    if (!key) return hive;
    if (auto categories = registry.OpenKey(root, std::string(kPolicyKey) + "\\" + kCategoriesKey,
                                           platform::KeyMode::ReadOnly))
        for (const std::string& name : categories->ValueNames()) {
            const CategoryRow* row = FindRow(Lower(name));
            if (row == nullptr || !row->category) continue;
            if (auto on = Dword(categories->ReadValue(name)))
                hive.categories[std::string(row->id)] = *on != 0;
        }
    const std::string keepKey = std::string(kPolicyKey) + "\\" + kKeepPatternsKey;
    if (auto keep = registry.OpenKey(root, keepKey, platform::KeyMode::ReadOnly))
        for (const std::string& name : keep->ValueNames())
            if (auto pattern = Text(keep->ReadValue(name)); pattern && !pattern->empty())
                hive.keepPatterns.push_back(
                    {RootName(root) + "\\" + keepKey + ", value " + name, *pattern});
    if (auto allowed = key->ReadValue(kAllowDefinitions))
        // Set, but not as the number it should be: taken as "not allowed", the safe reading.
        hive.definitionsAllowed = Dword(allowed).value_or(0) != 0;
    if (auto file = Text(key->ReadValue(kDefinitionsFile)); file && !file->empty())
        hive.definitionsFile = *file;
    hive.schedule = ReadSchedule(*key);
    return hive;
}

}  // namespace

std::vector<PolicyValue> PolicyValues() {
    std::vector<PolicyValue> values;
    for (const CategoryRow& row : CategoryTable())
        if (row.category)
            values.push_back({kCategoriesKey, std::string(row.id), RegistryType::Dword});
    values.push_back({kKeepPatternsKey, "*", RegistryType::String});
    values.push_back({"", kAllowDefinitions, RegistryType::Dword});
    values.push_back({"", kDefinitionsFile, RegistryType::ExpandString});
    values.push_back({"", kSchedule, RegistryType::String});
    values.push_back({"", kScheduleTime, RegistryType::String});
    values.push_back({"", kScheduleCategories, RegistryType::String});
    return values;
}

std::optional<bool> Policy::Forced(std::string_view id) const {
    auto found = categories.find(id);
    if (found == categories.end()) return std::nullopt;
    return found->second;
}

Policy ReadPolicy(platform::Registry& registry) {
    const Hive machine = ReadHive(registry, RegistryRoot::LocalMachine);
    Hive user = ReadHive(registry, RegistryRoot::CurrentUser);
    Policy policy;
    policy.categories = std::move(user.categories);
    for (const auto& [id, on] : machine.categories) policy.categories[id] = on;
    policy.keepPatterns = machine.keepPatterns;
    policy.keepPatterns.insert(policy.keepPatterns.end(), user.keepPatterns.begin(),
                               user.keepPatterns.end());
    policy.definitionsAllowed =
        machine.definitionsAllowed ? machine.definitionsAllowed : user.definitionsAllowed;
    policy.definitionsFile =
        machine.definitionsFile.value_or(user.definitionsFile.value_or(std::string()));
    policy.schedule = machine.schedule ? machine.schedule : user.schedule;
    return policy;
}

void AddPolicyPatterns(KeepList& keep, const Policy& policy, platform::FileSystem& files,
                       platform::System& system) {
    for (const Policy::KeepPattern& entry : policy.keepPatterns)
        if (std::string problem = keep.AddLine(files, system, entry.pattern); !problem.empty())
            keep.AddProblem(entry.where + ": " + problem);
}

DefinitionsFile DefinitionsFileFor(const Policy& policy, platform::System& system,
                                   const std::string& chosen) {
    DefinitionsFile result;
    if (policy.definitionsAllowed == false) {
        result.refusal = "cleaner definitions are turned off by your administrator";
        return result;
    }
    if (policy.definitionsFile.empty()) {
        result.path = chosen;
        return result;
    }
    std::string missing;
    const std::optional<std::string> fixed =
        ExpandVariables(policy.definitionsFile, system, missing);
    if (!fixed) {
        result.refusal = "the definitions file set by your administrator names " + missing +
                         ", which is not set";
        return result;
    }
    result.path = *fixed;
    result.fixed = true;
    result.overridden = !chosen.empty() && Lower(chosen) != Lower(*fixed);
    return result;
}

}  // namespace engine
