#include "engine/definition_categories.h"

#include <algorithm>
#include <map>
#include <optional>

#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/definition_variables.h"
#include "engine/path_place.h"
#include "engine/purge_target.h"
#include "engine/registry_key_path.h"
#include "engine/winapp2_reader.h"
#include "platform/files.h"
#include "platform/portable/path_text.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace engine {

namespace {

using platform::KnownFolder;

bool Same(std::string_view a, std::string_view b) {
    return platform::LowerAscii(a) == platform::LowerAscii(b);
}

// A variable's values here (none when it names nothing here) and why it must not be used
// ("" when it may).
struct Value {
    std::vector<std::string> texts;
    std::string refusal;
};

// The variables' values here, each looked up once for a whole file. %Temp% stands only for a
// temp folder the built-in "Temp (User)" would empty.
class Variables {
  public:
    Variables(const CleaningServices& services, CleaningPaths& paths)
        : services_(services), paths_(paths) {}
    const Value& operator()(std::string_view name) {
        const std::string key = platform::LowerAscii(name);
        auto it = values_.find(key);
        if (it != values_.end()) return it->second;
        Value value{DefinitionVariableValues(name, services_, paths_), {}};
        if (Same(name, "Temp") && !value.texts.empty()) {
            const CheckedTarget temp = CheckPurgeTarget(services_.files, value.texts.front() + "\\",
                                                        paths_.WindowsDirectory());
            if (!temp.refusal.empty())
                value.refusal = "%Temp% is a temp folder that is refused (" + temp.refusal + ")";
        }
        return values_.emplace(key, std::move(value)).first->second;
    }
    platform::FileSystem& Files() { return services_.files; }

  private:
    const CleaningServices& services_;
    CleaningPaths& paths_;
    std::map<std::string, Value> values_;
};

// A definition's path with its variables replaced: every path it stands for here (a variable
// may stand for several folders), or why not (REFUSAL set: it must not be reached; neither
// set: a variable names nothing here).
struct Resolution {
    std::vector<std::string> paths;
    std::string refusal;
};

// PATH with its variables replaced. A network, device or climbing path is refused before
// anything is looked up, as written and as resolved.
Resolution Resolve(std::string_view path, Variables& variables) {
    if (std::string why = SpellingRefusal(std::string(path)); !why.empty()) return {{}, why};
    std::vector<std::string> outs{""};
    auto append = [&outs](std::string_view text) {
        for (std::string& out : outs) out += text;
    };
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t open = path.find('%', i);
        if (open == std::string_view::npos) {
            append(path.substr(i));
            break;
        }
        const std::size_t close = path.find('%', open + 1);
        if (close == std::string_view::npos) return {};  // the reader rejects it
        append(path.substr(i, open - i));
        const Value& value = variables(path.substr(open + 1, close - open - 1));
        if (!value.refusal.empty()) return {{}, value.refusal};
        if (value.texts.empty()) return {};
        std::vector<std::string> next;
        for (const std::string& out : outs)
            for (const std::string& text : value.texts) next.push_back(out + text);
        outs = std::move(next);
        i = close + 1;
    }
    for (std::string& out : outs) {
        while (out.size() > 3 && out.back() == '\\') out.pop_back();
        // "C:" alone would be the current folder of drive C: it names the drive's root.
        if (out.size() == 2 && out[1] == ':') out += '\\';
        if (std::string why = SpellingRefusal(out); !why.empty()) return {{}, why + ": " + out};
    }
    return {outs, {}};
}

// Whether PATH names a place by itself ("C:\..."), not relative to whatever folder is current.
bool IsAbsolute(const std::string& path) {
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool HasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

// A wildcard component with no text of its own ("*", "*.*"): it matches whatever is there.
bool IsBareWildcard(std::string_view part) {
    return HasWildcard(part) && part.find_first_not_of("*?.") == std::string_view::npos;
}

// The folders PATH names: a component with "*" or "?" stands for every sub-folder whose name
// it matches (links are not followed: they lead elsewhere). With REFUSAL, a bare wildcard
// directly in a folder a user or the system lives in (Program Files, a profile...) names
// nothing and says why there.
std::vector<std::string> ExpandFolders(platform::FileSystem& files, const std::string& path,
                                       std::string* refusal = nullptr) {
    std::vector<std::string> found{""};
    std::size_t start = 0;
    while (start <= path.size() && !found.empty()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        std::vector<std::string> next;
        for (const std::string& base : found) {
            const std::string prefix = base.empty() || base.back() == '\\' ? base : base + "\\";
            if (!HasWildcard(part)) {
                next.push_back(prefix + part);
                continue;
            }
            if (refusal != nullptr && IsBareWildcard(part))
                if (const std::string anchor = AnchorName(files, prefix); !anchor.empty()) {
                    *refusal = "a wildcard with nothing of its own directly in " + anchor + ": " +
                               prefix + part;
                    return {};
                }
            const std::string key = files.NameKey(part);
            for (const std::string& name : SubFolderNames(files, prefix, false))
                if (GlobMatches(key, files.NameKey(name))) next.push_back(prefix + name);
        }
        found = std::move(next);
    }
    return found;
}

// A definition's mask as the program's own matcher reads it: "*.*" is every name, as the
// system reads it, and "[" is a character of its own.
std::string MaskOf(const std::string& mask) {
    if (mask == "*.*") return "*";
    std::string out;
    for (char c : mask) out += c == '[' ? std::string("[[]") : std::string(1, c);
    return out;
}

bool RegistryKeyExists(platform::Registry& registry, const std::string& spelled) {
    const std::optional<RegistryKeyPath> key = ParseRegistryKey(spelled);
    return key && registry.OpenKey(key->root, key->path, platform::KeyMode::ReadOnly) != nullptr;
}

bool FileDetected(const std::string& pattern, const CleaningServices& services,
                  Variables& variables) {
    for (const std::string& path : Resolve(pattern, variables).paths) {
        const std::size_t cut = path.rfind('\\');
        if (cut == std::string::npos) continue;
        for (const std::string& folder : ExpandFolders(services.files, path.substr(0, cut))) {
            std::vector<platform::DirEntry> entries;
            if (services.files.Enumerate(folder + path.substr(cut), entries) && !entries.empty())
                return true;
        }
    }
    return false;
}

bool Detected(const winapp2::Entry& entry, const CleaningServices& services, Variables& variables) {
    if (entry.detect.empty() && entry.detectFiles.empty()) return true;
    for (const std::string& key : entry.detect)
        if (RegistryKeyExists(services.registry, key)) return true;
    for (const std::string& file : entry.detectFiles)
        if (FileDetected(file, services, variables)) return true;
    return false;
}

// A file key with its variables resolved.
struct PlacedKey {
    int line;
    std::string path;  // may hold wildcards
    std::vector<std::string> masks;
    bool recurse, removeSelf;
};

std::vector<FolderTarget> TargetsOf(const std::vector<PlacedKey>& keys,
                                    platform::FileSystem& files) {
    std::vector<FolderTarget> targets;
    for (const PlacedKey& key : keys) {
        const bool everything = key.masks.size() == 1 && key.masks.front() == "*";
        std::string refusal;
        for (std::string& folder : ExpandFolders(files, key.path, &refusal)) {
            if (everything && key.recurse)
                targets.push_back({std::move(folder), {}, true, key.removeSelf});
            else
                targets.push_back({std::move(folder), key.masks, key.recurse, key.removeSelf});
        }
        if (!refusal.empty())
            targets.push_back(
                {key.path, {}, false, false, "line " + std::to_string(key.line) + ": " + refusal});
    }
    return targets;
}

std::string Described(const std::vector<PlacedKey>& keys, const RegistryCleaning& registry) {
    std::string out;
    for (const PlacedKey& key : keys) {
        std::string masks;
        for (const std::string& mask : key.masks) masks += (masks.empty() ? "" : ";") + mask;
        out += (out.empty() ? "" : "; ") + key.path + "\\" + masks +
               (key.recurse ? " (and below)" : "") + (key.removeSelf ? " (folder too)" : "");
    }
    for (const RegistryItem& item : registry.remove)
        out += (out.empty() ? "" : "; ") + FullKeyName(item.key) +
               (item.wholeKey ? "\\ (and below)" : "|" + item.value);
    return out;
}

void AddNote(std::string& note, const std::string& text) {
    note += (note.empty() ? "" : "; ") + text;
}

// Why the paths ENTRY detects itself by must not be looked for: a network, device or climbing
// path, reached by no detection. Empty when none.
std::string DetectionRefusal(const winapp2::Entry& entry, Variables& variables) {
    for (const std::string& file : entry.detectFiles)
        if (std::string why = Resolve(file, variables).refusal; !why.empty())
            return "DetectFile " + file + ": " + why;
    return {};
}

// Why ENTRY must not run at all, from the spelling of the paths it cleans and excludes and the
// variables they use: a network, device or climbing path, or a %Temp% that is refused. Empty
// when none.
std::string PathRefusal(const winapp2::Entry& entry, Variables& variables) {
    for (const winapp2::FileKey& key : entry.files)
        if (std::string why = Resolve(key.path, variables).refusal; !why.empty())
            return "line " + std::to_string(key.line) + ": " + key.path + ": " + why;
    for (const winapp2::ExcludeKey& exclude : entry.excludes)
        if (std::string why = exclude.kind == winapp2::ExcludeKind::Registry
                                  ? std::string()
                                  : Resolve(exclude.path, variables).refusal;
            !why.empty())
            return "line " + std::to_string(exclude.line) + ": " + exclude.path + ": " + why;
    return {};
}

// CATEGORY runs nothing and tells why: WHY, reported as its refusal.
void Refuse(DefinitionCategory& category, const winapp2::Entry& entry, const std::string& why) {
    category.row.target = "refused: " + why;
    const std::string path = entry.files.empty() ? entry.name : entry.files.front().path;
    category.row.folders = [path, why](const CleaningServices&, CleaningPaths&) {
        return std::vector<FolderTarget>{{path, {}, false, false, why}};
    };
}

// What an exclusion keeps, added to CATEGORY's row; why it cannot be placed ("" when it can).
std::string Exclude(CategoryRow& row, const winapp2::ExcludeKey& exclude, Variables& variables) {
    const std::string where = "line " + std::to_string(exclude.line) + ": ";
    if (exclude.kind == winapp2::ExcludeKind::Registry) {
        // The reader took only keys with a known root.
        row.registry.keep.push_back(
            {*ParseRegistryKey(exclude.path), exclude.wholeKey, exclude.value});
        return {};
    }
    const std::vector<std::string> paths = Resolve(exclude.path, variables).paths;
    if (paths.empty())
        return where + exclude.path + " names nothing here, so what it excludes cannot be told";
    const bool isPath = exclude.kind == winapp2::ExcludeKind::Path;
    std::vector<std::string> patterns;
    for (const std::string& path : paths) {
        if (isPath && exclude.masks.empty()) patterns.push_back(path);
        for (const std::string& mask : exclude.masks)
            patterns.push_back(path + (isPath ? "\\**\\" : "\\") +
                               (mask == "*.*" ? std::string("*") : mask));
    }
    for (const std::string& pattern : patterns)
        if (std::string why = row.keep.Add(variables.Files(), pattern); !why.empty())
            return where + why;
    return {};
}

// Why ENTRY's registry keys must not be deleted: one at or above an anchor. Empty when none.
std::string RegistryRefusal(const winapp2::Entry& entry) {
    for (const winapp2::RegKey& key : entry.registryKeys)
        if (std::string why = RegistryAnchorRefusal(*ParseRegistryKey(key.key)); !why.empty())
            return "line " + std::to_string(key.line) + ": " + why;
    return {};
}

void Place(DefinitionCategory& category, const winapp2::Entry& entry, Variables& variables) {
    std::vector<PlacedKey> keys;
    for (const winapp2::FileKey& key : entry.files) {
        const std::vector<std::string> paths = Resolve(key.path, variables).paths;
        if (paths.empty())
            AddNote(category.note,
                    "line " + std::to_string(key.line) + ": " + key.path + " names nothing here");
        for (const std::string& path : paths) {
            if (!IsAbsolute(path)) {
                AddNote(category.note, "line " + std::to_string(key.line) + ": " + key.path +
                                           " is not a full path");
                continue;
            }
            PlacedKey placed{key.line, path, {}, key.recurse, key.removeSelf};
            for (const std::string& mask : key.masks) placed.masks.push_back(MaskOf(mask));
            keys.push_back(std::move(placed));
        }
    }
    // An exclusion that cannot be placed could keep anything: the entry does not run.
    for (const winapp2::ExcludeKey& exclude : entry.excludes)
        if (std::string why = Exclude(category.row, exclude, variables);
            category.present && !why.empty())
            return Refuse(category, entry, why);
    for (const winapp2::RegKey& key : entry.registryKeys)
        category.row.registry.remove.push_back(
            {*ParseRegistryKey(key.key), key.wholeKey, key.value});
    if (!category.present) category.row.registry = {};
    category.row.target = keys.empty() && category.row.registry.Empty()
                              ? "(nothing here)"
                              : Described(keys, category.row.registry);
    const bool present = category.present;
    category.row.folders = [keys = std::move(keys), present](const CleaningServices& s,
                                                             CleaningPaths&) {
        return present ? TargetsOf(keys, s.files) : std::vector<FolderTarget>{};
    };
}

}  // namespace

std::unique_ptr<DefinitionSet> LoadDefinitions(
    std::string_view text, const CleaningServices& services, CleaningPaths& paths,
    const std::function<bool(std::string_view id)>& wanted) {
    winapp2::Definitions read = winapp2::ReadDefinitions(text);
    auto set = std::make_unique<DefinitionSet>();
    for (const winapp2::Problem& problem : read.problems) set->problems.push_back(problem.message);
    const platform::OsVersion version = services.system.Version();
    Variables variables(services, paths);
    for (const winapp2::Entry& entry : read.entries) {
        DefinitionCategory& category = set->categories.emplace_back();
        category.id = entry.id;
        category.name = entry.name;
        if (category.name.ends_with(" *")) category.name.resize(category.name.size() - 2);
        category.row.id = category.id;
        category.row.name = category.name;
        category.row.source = TargetSource::Definition;
        category.warning = entry.warning;
        category.group = winapp2::GroupOf(entry);
        if (wanted && !wanted(entry.id)) {
            category.present = false;
            category.note = "not asked for";
            category.row.folders = [](const CleaningServices&, CleaningPaths&) {
                return std::vector<FolderTarget>{};
            };
            continue;
        }
        // Refused before anything of it is looked for: no detection reaches a share.
        if (std::string why = DetectionRefusal(entry, variables); !why.empty()) {
            Refuse(category, entry, why);
            continue;
        }
        if (!winapp2::OsInRange(entry.detectOs, static_cast<int>(version.major),
                                static_cast<int>(version.minor))) {
            category.present = false;
            category.note = "not for this version of Windows";
        } else if (!Detected(entry, services, variables)) {
            category.present = false;
            category.note = "not present";
        }
        // What is not here is not refused: "all" takes only what is.
        std::string why = PathRefusal(entry, variables);
        if (why.empty()) why = RegistryRefusal(entry);
        if (category.present && !why.empty())
            Refuse(category, entry, why);
        else
            Place(category, entry, variables);
    }
    return set;
}

}  // namespace engine
