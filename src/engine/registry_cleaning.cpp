#include "engine/registry_cleaning.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/registry.h"

namespace engine {

namespace {

constexpr const char* kReasonRefused = "the system refused its deletion";

RegistryKeyPath Child(const RegistryKeyPath& key, const std::string& name) {
    return {key.root, key.path.empty() ? name : key.path + "\\" + name};
}

std::string ValueItem(const std::string& key, const std::string& value) {
    return key + "|" + (value.empty() ? "(default)" : value);
}

// Reads what goes, comparing names as the system does.
class Planner {
  public:
    Planner(platform::Registry& registry, platform::FileSystem& files,
            const std::vector<RegistryItem>& keep, RegistryPlan& plan)
        : registry_(registry), files_(files), keep_(keep), plan_(plan) {}

    // Whether A is B or lies below it.
    bool AtOrBelow(const RegistryKeyPath& a, const RegistryKeyPath& b) const {
        if (a.root != b.root) return false;
        const std::string ka = files_.NameKey(a.path), kb = files_.NameKey(b.path);
        return kb.empty() || ka == kb || (ka.starts_with(kb) && ka[kb.size()] == '\\');
    }

    // The tree of TOP, but what is kept.
    void Tree(const RegistryKeyPath& top) {
        std::vector<RegistryKeyPath> pending{top};
        while (!pending.empty()) {
            const RegistryKeyPath key = std::move(pending.back());
            pending.pop_back();
            if (KeptWhole(key)) continue;
            auto opened = registry_.OpenKey(key.root, key.path, platform::KeyMode::ReadOnly);
            if (!opened) continue;
            if (!HoldsKept(key)) {
                plan_.deletions.push_back({key, std::nullopt});
                Collect(key, std::move(opened));
                continue;
            }
            // It holds what is kept: it stays, what else is in it goes.
            for (platform::StoredValue& value : opened->StoredValues())
                if (!ValueKept(key, value.name)) AddValue(key, std::move(value));
            std::vector<std::string> names = opened->SubKeyNames();
            for (auto name = names.rbegin(); name != names.rend(); ++name)
                pending.push_back(Child(key, *name));
        }
    }

    // The value NAME of KEY, unless kept.
    void Value(const RegistryKeyPath& key, const std::string& name) {
        if (KeptWhole(key) || ValueKept(key, name)) return;
        auto opened = registry_.OpenKey(key.root, key.path, platform::KeyMode::ReadOnly);
        if (!opened) return;
        for (platform::StoredValue& value : opened->StoredValues())
            if (files_.NameKey(value.name) == files_.NameKey(name))
                return AddValue(key, std::move(value));
    }

  private:
    bool KeptWhole(const RegistryKeyPath& key) const {
        return std::any_of(keep_.begin(), keep_.end(), [&](const RegistryItem& kept) {
            return kept.wholeKey && AtOrBelow(key, kept.key);
        });
    }
    bool HoldsKept(const RegistryKeyPath& key) const {
        return std::any_of(keep_.begin(), keep_.end(),
                           [&](const RegistryItem& kept) { return AtOrBelow(kept.key, key); });
    }
    bool ValueKept(const RegistryKeyPath& key, const std::string& name) const {
        return std::any_of(keep_.begin(), keep_.end(), [&](const RegistryItem& kept) {
            return !kept.wholeKey && AtOrBelow(key, kept.key) && AtOrBelow(kept.key, key) &&
                   files_.NameKey(kept.value) == files_.NameKey(name);
        });
    }

    void AddValue(const RegistryKeyPath& key, platform::StoredValue value) {
        plan_.records.push_back({{FullKeyName(key), {}}, false, plan_.deletions.size()});
        plan_.deletions.push_back({key, value.name});
        plan_.records.back().key.values.push_back(std::move(value));
    }

    // TOP (open as OPENED) and everything below it, each key before its sub-keys, as the
    // latest deletion's.
    void Collect(const RegistryKeyPath& top, std::unique_ptr<platform::RegistryKey> opened) {
        const std::size_t deletion = plan_.deletions.size() - 1;
        std::vector<std::pair<RegistryKeyPath, std::unique_ptr<platform::RegistryKey>>> pending;
        pending.emplace_back(top, std::move(opened));
        while (!pending.empty()) {
            auto [key, handle] = std::move(pending.back());
            pending.pop_back();
            if (!handle)
                handle = registry_.OpenKey(key.root, key.path, platform::KeyMode::ReadOnly);
            if (!handle) continue;
            plan_.records.push_back({{FullKeyName(key), handle->StoredValues()}, true, deletion});
            std::vector<std::string> names = handle->SubKeyNames();
            for (auto name = names.rbegin(); name != names.rend(); ++name)
                pending.emplace_back(Child(key, *name), nullptr);
        }
    }

    platform::Registry& registry_;
    platform::FileSystem& files_;
    const std::vector<RegistryItem>& keep_;
    RegistryPlan& plan_;
};

}  // namespace

std::vector<KeyRecord> RegistryPlan::KeyRecords() const {
    std::vector<KeyRecord> out;
    for (const Record& record : records) out.push_back(record.key);
    return out;
}

std::vector<std::string> RegistryPlan::Items(const std::vector<bool>& done) const {
    std::vector<std::string> items;
    for (const Record& record : records) {
        if (!done.empty() && !done[record.deletion]) continue;
        if (record.whole) items.push_back(record.key.name + "\\");
        for (const platform::StoredValue& value : record.key.values)
            items.push_back(ValueItem(record.key.name, value.name));
    }
    return items;
}

RegistryPlan PlanRegistryCleaning(platform::Registry& registry, platform::FileSystem& files,
                                  const RegistryCleaning& what) {
    RegistryPlan plan;
    Planner planner(registry, files, what.keep, plan);
    const std::vector<RegistryItem>& remove = what.remove;
    for (std::size_t i = 0; i < remove.size(); ++i) {
        // An item inside a tree another item takes whole is taken with it.
        bool covered = false;
        for (std::size_t j = 0; j < remove.size() && !covered; ++j) {
            if (j == i || !remove[j].wholeKey || !planner.AtOrBelow(remove[i].key, remove[j].key))
                continue;
            const bool same = planner.AtOrBelow(remove[j].key, remove[i].key);
            covered = !same || !remove[i].wholeKey || j < i;
        }
        if (covered) continue;
        if (remove[i].wholeKey)
            planner.Tree(remove[i].key);
        else
            planner.Value(remove[i].key, remove[i].value);
    }
    return plan;
}

RegistryOutcome CarryOut(platform::Registry& registry, const RegistryPlan& plan) {
    RegistryOutcome outcome;
    std::vector<bool> done(plan.deletions.size(), false);
    for (std::size_t i = 0; i < plan.deletions.size(); ++i) {
        const RegistryPlan::Deletion& deletion = plan.deletions[i];
        const RegistryKeyPath& key = deletion.key;
        if (!deletion.value) {
            done[i] = registry.DeleteKeyTree(key.root, key.path);
        } else {
            auto opened = registry.OpenKey(key.root, key.path, platform::KeyMode::OpenExisting);
            done[i] = opened && opened->DeleteValue(*deletion.value);
        }
        if (!done[i])
            outcome.failures.push_back({deletion.value
                                            ? ValueItem(FullKeyName(key), *deletion.value)
                                            : FullKeyName(key) + "\\",
                                        kReasonRefused});
    }
    if (!plan.deletions.empty()) outcome.deleted = plan.Items(done);
    return outcome;
}

}  // namespace engine
