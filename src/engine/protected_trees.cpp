#include "engine/protected_trees.h"

#include <map>
#include <vector>

#include "engine/entry_path.h"
#include "platform/portable/path_text.h"

namespace engine {

namespace {

using platform::KnownFolder;

// How a target stands to a folder.
enum Relation : unsigned { kNone = 0, kIs = 1, kInside = 2, kHolds = 4 };

// The system's known folders, each asked for once in a check.
class KnownPaths {
  public:
    explicit KnownPaths(platform::FileSystem& files) : files_(files) {}
    const std::vector<std::string>& operator()(KnownFolder id) {
        auto [it, added] = paths_.try_emplace(id);
        if (added) it->second = files_.KnownFolderPaths(id);
        return it->second;
    }

  private:
    platform::FileSystem& files_;
    std::map<KnownFolder, std::vector<std::string>> paths_;
};

// The target, and the folders above it, compared with other folders by spelling and by
// identity. Each folder is opened once.
class Place {
  public:
    Place(platform::FileSystem& files, const std::string& final, const platform::FileIdentity& id,
          const std::optional<CanonicalPath>& current)
        : files_(files),
          id_(id),
          current_(current),
          target_(Canonicalize(final, {})),
          way_(WayOf(final)) {}

    // How many levels above the target the folder PATH is (0: the target itself); nullopt when
    // it is not the target nor holds it.
    std::optional<std::size_t> DepthOf(const std::string& path) {
        if (auto spelled = Canonicalize(path, current_);
            spelled && target_ && Holds(*spelled, *target_))
            return target_->parts.size() - spelled->parts.size();
        const Known& known = At(path);
        if (!known.id) return std::nullopt;
        if (auto final = Canonicalize(known.final, {}); final && target_ && Holds(*final, *target_))
            return target_->parts.size() - final->parts.size();
        if (known.id == id_) return 0;
        for (std::size_t depth = 1; depth <= way_.names.size(); ++depth)
            if (At(Above(depth)).id == known.id) return depth;
        return std::nullopt;
    }

    // How the target stands to the folder PATH.
    Relation To(const std::string& path) {
        if (auto depth = DepthOf(path)) return *depth == 0 ? kIs : kInside;
        return TargetHolds(path) ? kHolds : kNone;
    }

    // The folder DEPTH levels above the target (0: the target), as a final path.
    std::string Above(std::size_t depth) const { return way_.Upto(way_.names.size() - depth); }

    const std::optional<CanonicalPath>& Current() const { return current_; }

  private:
    struct Known {
        std::optional<platform::FileIdentity> id;
        std::string final;
    };

    const Known& At(const std::string& path) {
        std::string key = platform::LowerAscii(path);
        while (key.size() > 3 && key.back() == '\\') key.pop_back();
        auto [it, added] = known_.try_emplace(std::move(key));
        if (added)
            if (auto folder = files_.Open(path, platform::OpenFor::Listing)) {
                it->second.id = folder->Identity();
                it->second.final = folder->FinalPath();
            }
        return it->second;
    }

    // Whether PATH lies below the target: by spelling, or one of the folders above PATH's
    // final path is the target.
    bool TargetHolds(const std::string& path) {
        if (auto spelled = Canonicalize(path, current_);
            spelled && target_ && Holds(*target_, *spelled))
            return true;
        const Known& known = At(path);
        if (!known.id) return false;
        if (auto final = Canonicalize(known.final, {}); final && target_ && Holds(*target_, *final))
            return true;
        const Way way = WayOf(known.final);
        for (std::size_t count = way.names.size(); count-- > 0;)
            if (At(way.Upto(count)).id == id_) return true;
        return false;
    }

    platform::FileSystem& files_;
    platform::FileIdentity id_;
    const std::optional<CanonicalPath>& current_;
    std::optional<CanonicalPath> target_;
    Way way_;
    std::map<std::string, Known> known_;
};

// A folder a target may not be, lie inside or hold (as REFUSED says), unless it is or lies
// inside one of EXCEPT.
struct Tree {
    std::string path;
    std::string name;
    unsigned refused;
    std::vector<std::string> except = {};
};

constexpr unsigned kIsOrHolds = kIs | kHolds;
constexpr unsigned kAnywhere = kIs | kInside | kHolds;
constexpr unsigned kIsOrInside = kIs | kInside;

struct NamedFolder {
    KnownFolder id;
    const char* name;
    bool anchor;  // a definition's wildcard may not stand directly in it
};

// The folders no purge may empty, nor any folder holding one: where the system and its
// programs live, and where the users keep what is theirs. A temp path that falls back to the
// profile or the Windows folder, or a shell-folder value pointed at any of these, meets them.
constexpr NamedFolder kLivedIn[] = {
    {KnownFolder::DriveRoots, "a drive root", true},
    {KnownFolder::Windows, "the Windows folder", true},
    {KnownFolder::System, "the system folder", false},
    {KnownFolder::SystemX86, "the 32-bit system folder", false},
    {KnownFolder::ProgramFiles, "Program Files", true},
    {KnownFolder::ProgramFilesX86, "Program Files (x86)", true},
    {KnownFolder::ProgramData, "the ProgramData folder", true},
    {KnownFolder::ProfilesRoot, "the folder of the user profiles", true},
    {KnownFolder::Profiles, "a user profile", true},
    {KnownFolder::CurrentProfile, "a user profile", true},
    {KnownFolder::Desktop, "the Desktop", true},
    {KnownFolder::Documents, "the Documents folder", true},
    {KnownFolder::Downloads, "the Downloads folder", true},
    {KnownFolder::Pictures, "the Pictures folder", true},
    {KnownFolder::Music, "the Music folder", true},
    {KnownFolder::Videos, "the Videos folder", true},
    {KnownFolder::Favorites, "the Favorites folder", true},
    {KnownFolder::Contacts, "the Contacts folder", true},
    {KnownFolder::Links, "the Links folder", true},
    {KnownFolder::SavedGames, "the Saved Games folder", true},
    {KnownFolder::Searches, "the Searches folder", true},
    {KnownFolder::RoamingAppData, "the roaming application data", true},
    {KnownFolder::LocalAppData, "the local application data", true},
    {KnownFolder::LocalLowAppData, "the low-integrity application data", true},
    {KnownFolder::Program, "this program's folder", false},
};

// The user's own folders, wherever they were moved: what is in them is theirs.
constexpr KnownFolder kUsersOwn[] = {
    KnownFolder::Desktop, KnownFolder::Documents,  KnownFolder::Downloads, KnownFolder::Pictures,
    KnownFolder::Music,   KnownFolder::Videos,     KnownFolder::Favorites, KnownFolder::Contacts,
    KnownFolder::Links,   KnownFolder::SavedGames, KnownFolder::Searches};

struct Below {
    KnownFolder base;
    const char* path;
};

// Where the user's keys and credentials live: losing them loses every password and key
// they protect.
constexpr Below kKeyStores[] = {
    {KnownFolder::RoamingAppData, "Microsoft\\Protect"},
    {KnownFolder::RoamingAppData, "Microsoft\\Credentials"},
    {KnownFolder::RoamingAppData, "Microsoft\\Crypto"},
    {KnownFolder::RoamingAppData, "Microsoft\\SystemCertificates"},
    {KnownFolder::RoamingAppData, "Microsoft\\Vault"},
    {KnownFolder::RoamingAppData, "gnupg"},
    {KnownFolder::LocalAppData, "Microsoft\\Credentials"},
    {KnownFolder::LocalAppData, "Microsoft\\Vault"},
    {KnownFolder::CurrentProfile, ".ssh"},
    {KnownFolder::CurrentProfile, ".gnupg"},
};

// FOLDER\RELATIVE.
std::string Join(std::string folder, const char* relative) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder + "\\" + relative;
}

std::vector<std::string> Joined(const std::vector<std::string>& folders, const char* relative) {
    std::vector<std::string> out;
    for (const std::string& folder : folders) out.push_back(Join(folder, relative));
    return out;
}

class Rings {
  public:
    explicit Rings(KnownPaths& known) : known_(known) {}

    // Whatever names it: is, or holds, a folder lived in.
    void AddLivedIn(const std::string& root, const std::string& windowsFolder) {
        if (!root.empty()) trees_.push_back({root, "a drive root", kIsOrHolds});
        if (!windowsFolder.empty())
            trees_.push_back({windowsFolder, "the Windows folder", kIsOrHolds});
        for (const NamedFolder& folder : kLivedIn)
            for (const std::string& path : known_(folder.id))
                trees_.push_back({path, folder.name, kIsOrHolds});
    }

    // Whatever names it: nothing inside, or holding, what the system keeps running on, what
    // other users and the cloud own, the user's keys, and this program's own folders (but its
    // log folder for its log manager).
    void AddNever(const std::string& root, TargetSource source) {
        for (const std::string& path : Paths(KnownFolder::System))
            trees_.push_back({path, "the system folder", kAnywhere, {Join(path, "dllcache")}});
        Add(Paths(KnownFolder::SystemX86), "the 32-bit system folder", kAnywhere);
        const std::vector<std::string> windows = Paths(KnownFolder::Windows);
        Add(Joined(windows, "WinSxS"), "the component store", kAnywhere);
        Add(Joined(windows, "Installer"), "the installer cache", kAnywhere);
        Add(Joined(windows, "servicing"), "the servicing folder", kAnywhere);
        if (!root.empty()) {
            trees_.push_back({Join(root, "$Recycle.Bin"), "the recycle bin", kAnywhere});
            trees_.push_back({Join(root, "System Volume Information"),
                              "the system volume information", kAnywhere});
        }
        const std::vector<std::string> own = Paths(KnownFolder::CurrentProfile);
        for (const std::string& path : Paths(KnownFolder::Profiles))
            trees_.push_back({path, "another user's profile", kAnywhere, own});
        for (const Below& store : kKeyStores)
            Add(Joined(Paths(store.base), store.path), "a key or credential store", kAnywhere);
        Add(Paths(KnownFolder::SyncRoots), "a folder kept in sync with the cloud", kAnywhere);
        if (source == TargetSource::OwnLog) return;
        Add(Paths(KnownFolder::Program), "this program's folder", kAnywhere);
        Add(Joined(Paths(KnownFolder::RoamingAppData), "Skarvel"), "this program's data folder",
            kAnywhere);
    }

    // A folder named by the environment, the user's settings or another program's files: also
    // nothing inside where programs and the system live, nor in what is the user's own.
    void AddNotFromOutside() {
        for (const std::string& path : Paths(KnownFolder::Windows))
            trees_.push_back({path,
                              "the Windows folder",
                              kIsOrInside,
                              {Join(path, "Temp"), Join(path, "Prefetch"), Join(path, "Minidump"),
                               Join(path, "Offline Web Pages"), Join(path, "System32\\dllcache"),
                               Join(path, "SystemTemp")}});
        Add(Paths(KnownFolder::ProgramFiles), "Program Files", kIsOrInside);
        Add(Paths(KnownFolder::ProgramFilesX86), "Program Files (x86)", kIsOrInside);
        for (const std::string& path : Paths(KnownFolder::ProgramData))
            trees_.push_back({path,
                              "the ProgramData folder",
                              kIsOrInside,
                              {Join(path, "Microsoft\\Windows\\WER\\ReportArchive"),
                               Join(path, "Microsoft\\Windows\\WER\\ReportQueue")}});
        std::vector<std::string> appData;
        for (KnownFolder id :
             {KnownFolder::RoamingAppData, KnownFolder::LocalAppData, KnownFolder::LocalLowAppData})
            for (const std::string& path : Paths(id)) appData.push_back(path);
        for (const std::string& path : Paths(KnownFolder::CurrentProfile)) {
            // Wine keeps the user's temp folder directly in the profile.
            std::vector<std::string> disposable = appData;
            disposable.push_back(Join(path, "Temp"));
            trees_.push_back(
                {path, "your profile, outside its application data", kIsOrInside, disposable});
        }
        for (KnownFolder id : kUsersOwn) Add(Paths(id), "your own folders", kIsOrInside);
    }

    // Why the target at PLACE may not be emptied; empty when it may.
    std::string Refusal(Place& place) {
        for (const Tree& tree : trees_) {
            const Relation relation = place.To(tree.path);
            if ((relation & tree.refused) == 0 || Excepted(place, tree, relation)) continue;
            const std::string what = tree.name + ": " + DisplayPath(tree.path);
            if (relation == kIs) return what;
            return (relation == kInside ? "inside " : "holds ") + what;
        }
        return {};
    }

  private:
    const std::vector<std::string>& Paths(KnownFolder id) { return known_(id); }

    void Add(const std::vector<std::string>& paths, const char* name, unsigned refused) {
        for (const std::string& path : paths) trees_.push_back({path, name, refused});
    }

    static bool Excepted(Place& place, const Tree& tree, Relation relation) {
        if (relation == kHolds) return false;
        for (const std::string& path : tree.except)
            if (place.DepthOf(path)) return true;
        return false;
    }

    KnownPaths& known_;
    std::vector<Tree> trees_;
};

// A folder directly in the profiles' root is some user's profile: the target may lie in the
// current user's alone.
std::string OtherProfileRefusal(KnownPaths& known, Place& place) {
    for (const std::string& root : known(KnownFolder::ProfilesRoot)) {
        const std::optional<std::size_t> depth = place.DepthOf(root);
        if (!depth || *depth == 0) continue;
        bool own = false;
        for (const std::string& profile : known(KnownFolder::CurrentProfile))
            own = own || place.DepthOf(profile) == *depth - 1;
        if (!own) return "inside another user's profile: " + DisplayPath(place.Above(*depth - 1));
    }
    return {};
}

}  // namespace

std::string ProtectedRefusal(platform::FileSystem& files, const std::string& final,
                             const platform::FileIdentity& id, const std::string& windowsFolder,
                             const std::optional<CanonicalPath>& current, TargetSource source) {
    Place place(files, final, id, current);
    KnownPaths known(files);
    const std::string root = final.substr(0, RootLength(final));
    Rings livedIn(known);
    livedIn.AddLivedIn(root, windowsFolder);
    std::string why = livedIn.Refusal(place);
    if (why.empty()) why = OtherProfileRefusal(known, place);
    if (!why.empty()) return why;
    Rings rings(known);
    rings.AddNever(root, source);
    if (source == TargetSource::System) rings.AddNotFromOutside();
    return rings.Refusal(place);
}

std::string AnchorName(platform::FileSystem& files, const std::string& path) {
    const std::optional<CanonicalPath> current = Canonicalize(files.CurrentDirectory(), {});
    KnownPaths known(files);
    auto folder = files.Open(path, platform::OpenFor::Listing);
    const std::string final = folder ? folder->FinalPath() : std::string();
    const std::optional<platform::FileIdentity> id =
        folder ? folder->Identity() : std::optional<platform::FileIdentity>();
    const std::optional<CanonicalPath> spelled = Canonicalize(path, current);
    if (spelled && spelled->parts.empty()) return "a drive root";
    if (!id || final.empty()) {
        // Not there: by spelling alone.
        for (const NamedFolder& anchor : kLivedIn)
            for (const std::string& anchorPath : known(anchor.id))
                if (anchor.anchor && spelled && Canonicalize(anchorPath, current) == spelled)
                    return anchor.name;
        return {};
    }
    if (RootLength(final) == final.size()) return "a drive root";
    Place place(files, final, *id, current);
    for (const NamedFolder& anchor : kLivedIn)
        for (const std::string& anchorPath : known(anchor.id))
            if (anchor.anchor && place.DepthOf(anchorPath) == std::size_t{0}) return anchor.name;
    return {};
}

}  // namespace engine
