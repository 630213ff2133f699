#include "engine/registry_key_path.h"

#include <array>
#include <vector>

#include "platform/portable/path_text.h"

namespace engine {

namespace {

using platform::LowerAscii;
using platform::RegistryRoot;

struct RootName {
    RegistryRoot root;
    std::string_view shortName, longName;
};

constexpr std::array<RootName, 5> kRoots = {{
    {RegistryRoot::CurrentUser, "hkcu", "HKEY_CURRENT_USER"},
    {RegistryRoot::LocalMachine, "hklm", "HKEY_LOCAL_MACHINE"},
    {RegistryRoot::ClassesRoot, "hkcr", "HKEY_CLASSES_ROOT"},
    {RegistryRoot::Users, "hku", "HKEY_USERS"},
    {RegistryRoot::CurrentConfig, "hkcc", "HKEY_CURRENT_CONFIG"},
}};

// The path's components in lower case, empty ones dropped.
std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '\\') continue;
        if (i > start) parts.push_back(LowerAscii(path.substr(start, i - start)));
        start = i + 1;
    }
    return parts;
}

// A key's path below its hive's root, in lower case; "*" stands for any one key.
using Pattern = std::string_view;

// The anchors of a user's or the machine's hive.
constexpr std::array<Pattern, 6> kHiveAnchors = {
    "software",
    "software\\microsoft",
    "software\\policies",
    "software\\classes\\*",
    "software\\microsoft\\windows\\currentversion\\*",
    "software\\microsoft\\windows nt\\currentversion\\*",
};
// The anchors of a classes hive: every key directly in it.
constexpr std::array<Pattern, 1> kClassesAnchors = {"*"};
// Trees of HKEY_LOCAL_MACHINE that are the system's configuration, whole.
constexpr std::array<std::string_view, 5> kSystemTrees = {"system", "sam", "security", "hardware",
                                                          "bcd00000000"};

// Whether PARTS is at or above PATTERN: no longer, and each part matching.
bool AtOrAbove(const std::vector<std::string>& parts, std::size_t from, Pattern pattern) {
    const std::vector<std::string> expected = Components(pattern);
    if (parts.size() - from > expected.size()) return false;
    for (std::size_t i = from; i < parts.size(); ++i)
        if (expected[i - from] != "*" && expected[i - from] != parts[i]) return false;
    return true;
}

template <std::size_t N>
bool AtOrAboveAny(const std::vector<std::string>& parts, std::size_t from,
                  const std::array<Pattern, N>& anchors) {
    for (Pattern pattern : anchors)
        if (AtOrAbove(parts, from, pattern)) return true;
    return false;
}

// A hive of settings (a user's, the machine's): "Software\WOW6432Node" is the 32-bit programs'
// "Software", with the same anchors.
bool AtOrAboveHiveAnchor(std::vector<std::string> parts, std::size_t from) {
    if (parts.size() > from + 1 && parts[from] == "software" && parts[from + 1] == "wow6432node")
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(from) + 1);
    return AtOrAboveAny(parts, from, kHiveAnchors);
}

}  // namespace

std::optional<RegistryKeyPath> ParseRegistryKey(std::string_view spelled) {
    const std::size_t cut = spelled.find('\\');
    const std::string root = LowerAscii(spelled.substr(0, cut));
    std::string_view rest =
        cut == std::string_view::npos ? std::string_view() : spelled.substr(cut);
    while (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
    for (const RootName& name : kRoots)
        if (root == name.shortName || root == LowerAscii(name.longName))
            return RegistryKeyPath{name.root, std::string(rest)};
    return std::nullopt;
}

std::string FullKeyName(const RegistryKeyPath& key) {
    for (const RootName& name : kRoots)
        if (name.root == key.root)
            return std::string(name.longName) + (key.path.empty() ? "" : "\\" + key.path);
    return key.path;
}

std::string RegistryAnchorRefusal(const RegistryKeyPath& key) {
    const std::vector<std::string> parts = Components(key.path);
    const std::string name = FullKeyName(key);
    const std::string system = "in the system's configuration, which no definition may change: ";
    const std::string anchor =
        "at or above a key Windows and its programs rely on, which no definition may delete: ";
    switch (key.root) {
        case RegistryRoot::CurrentConfig:
            return system + name;
        case RegistryRoot::LocalMachine:
            for (std::string_view tree : kSystemTrees)
                if (!parts.empty() && parts.front() == tree) return system + name;
            return AtOrAboveHiveAnchor(parts, 0) ? anchor + name : std::string();
        case RegistryRoot::CurrentUser:
            return AtOrAboveHiveAnchor(parts, 0) ? anchor + name : std::string();
        case RegistryRoot::ClassesRoot:
            return AtOrAboveAny(parts, 0, kClassesAnchors) ? anchor + name : std::string();
        case RegistryRoot::Users: {
            // A user's hive, or the classes hive beside it ("S-1-5-21-..._Classes").
            if (parts.size() < 2) return anchor + name;
            const bool classes = parts.front().ends_with("_classes");
            const bool refused =
                classes ? AtOrAboveAny(parts, 1, kClassesAnchors) : AtOrAboveHiveAnchor(parts, 1);
            return refused ? anchor + name : std::string();
        }
    }
    return anchor + name;
}

}  // namespace engine
