#include "fake_file_system.h"

#include <algorithm>
#include <stdexcept>

#include "fakes/upper_case.h"
#include "platform/portable/path_text.h"

namespace fakes {

namespace attr = platform::attr;

struct FakeFileSystem::Node {
    std::string name;
    std::string shortName;
    bool isDirectory = false;
    std::uint32_t attributes = 0;
    std::string contents;
    std::string linkTarget;  // non-empty for a link
    bool linkAsReparse = false;
    bool inUse = false;
    bool unremovable = false;
    bool deletionIgnored = false;
    Node* data = nullptr;       // for a hard link: the node holding the file's data
    int names = 1;              // on the data node: how many names the file has in the tree
    Node* mounted = nullptr;    // for a mount point: the root of the volume mounted here
    Node* mountedAt = nullptr;  // for a mounted volume's root: the folder it is mounted at
    Node* parent = nullptr;     // null for a root and for a node taken out of the tree
    bool isRoot = false;
    std::uint64_t index = 0;
    std::vector<Node*> children;

    bool IsLink() const { return !linkTarget.empty(); }
};

namespace {

constexpr int kMaxLinkDepth = 16;
constexpr const char* kAccessDenied = "Access is denied.";
constexpr const char* kNotEmpty = "The directory is not empty.";
constexpr const char* kInUse =
    "The process cannot access the file because it is being used by another process.";
constexpr const char* kNotFound = "The system cannot find the file specified.";
const std::string kStreamSuffix = "::$index_allocation";

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    return UpperCaseKey(a) == UpperCaseKey(b);
}

std::string Trimmed(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return name;
}

// The platform's enumeration pattern: "*" any run, "?" one character, case-insensitive; a
// trailing ".*" also matches names without an extension, so "*.*" lists everything.
bool WildcardMatch(const std::string& pattern, std::size_t p, const std::string& name,
                   std::size_t n) {
    while (p < pattern.size()) {
        char c = pattern[p];
        if (c == '*') {
            for (std::size_t k = n; k <= name.size(); ++k)
                if (WildcardMatch(pattern, p + 1, name, k)) return true;
            return false;
        }
        if (n >= name.size()) return false;
        if (c != '?' && Lower(c) != Lower(name[n])) return false;
        ++p;
        ++n;
    }
    return n == name.size();
}

bool IsDriveRootName(const std::string& name) {
    return name.size() == 2 && name[1] == ':';
}

bool PatternMatches(const std::string& pattern, const std::string& name) {
    if (WildcardMatch(pattern, 0, name, 0)) return true;
    if (pattern.size() >= 2 && pattern.ends_with(".*"))
        return WildcardMatch(pattern.substr(0, pattern.size() - 2), 0, name, 0);
    return false;
}

}  // namespace

// ---- Handles ------------------------------------------------------------------------------

class FakeFileSystem::Handle final : public platform::OpenEntry {
  public:
    Handle(FakeFileSystem& fs, Node* node, platform::OpenFor purpose, bool mayDelete)
        : fs_(fs), node_(node), purpose_(purpose), mayDelete_(mayDelete) {}

    ~Handle() override {
        if (!pending_ || node_->parent == nullptr || node_->deletionIgnored) return;
        fs_.log.push_back((node_->isDirectory ? "rmdir " : "delete ") + fs_.DisplayPath(node_));
        fs_.Unlink(node_);
    }

    std::string FinalPath() override { return fs_.FinalPath(node_); }

    std::optional<platform::FileIdentity> Identity() override {
        Node* root = node_;
        while (root->parent != nullptr) root = root->parent;
        if (!root->isRoot) return std::nullopt;
        return platform::FileIdentity{root->index, Data(node_)->index};
    }

    std::uint32_t LinkCount() override {
        return node_->isDirectory ? 1 : static_cast<std::uint32_t>(Data(node_)->names);
    }

    bool IsMountPoint() override { return node_->mountedAt != nullptr; }

    bool ListEach(const std::function<void(const platform::DirEntry&)>& each) override {
        if (!node_->isDirectory) return false;
        for (Node* child : node_->children) {
            Node* target = child->isDirectory ? child : fs_.Follow(child, 0);
            std::uint64_t size = target != nullptr ? Data(target)->contents.size() : 0;
            each({child->name, fs_.ListedAttributes(child), size, child->shortName});
        }
        return true;
    }

    bool SetAttributes(std::uint32_t attributes) override {
        if (purpose_ != platform::OpenFor::Removal && purpose_ != platform::OpenFor::AttributeReset)
            return false;
        constexpr std::uint32_t settable =
            attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;
        Node* data = Data(node_);
        data->attributes = (data->attributes & ~settable) | (attributes & settable);
        return true;
    }

    bool MarkForDeletion(bool ignoreReadOnly) override {
        const bool readOnly = (Data(node_)->attributes & attr::kReadOnly) != 0;
        if (!mayDelete_ || (readOnly && !(ignoreReadOnly && fs_.deletesReadOnlyNames)) ||
            (node_->isDirectory && (node_->unremovable || node_->parent == nullptr)))
            return Refuse(kAccessDenied);
        if (node_->isDirectory && !node_->children.empty()) return Refuse(kNotEmpty);
        pending_ = true;
        return true;
    }

  private:
    bool Refuse(const char* reason) {
        fs_.lastError_ = reason;
        return false;
    }

    FakeFileSystem& fs_;
    Node* node_;
    platform::OpenFor purpose_;
    bool mayDelete_;
    bool pending_ = false;
};

// ---- The tree -----------------------------------------------------------------------------

FakeFileSystem::FakeFileSystem() {
    RootOf("C:", true);
}
FakeFileSystem::~FakeFileSystem() = default;

FakeFileSystem::Parsed FakeFileSystem::Parse(const std::string& raw) const {
    Parsed parsed;
    if (raw.starts_with("\\\\?\\")) {
        // Literal: name by name, nothing normalised.
        std::string rest = raw.substr(4);
        std::vector<std::string> parts = platform::PathParts(rest);
        std::size_t rootParts = 1;
        if (platform::StartsWithNoCase(rest, "UNC\\")) {
            parsed.root = "\\\\" + (parts.size() > 1 ? parts[1] : "") + "\\" +
                          (parts.size() > 2 ? parts[2] : "");
            rootParts = 3;
        } else if (rest.size() >= 2 && rest[1] == ':') {
            parsed.root = std::string(1, static_cast<char>(std::toupper(rest[0]))) + ":";
            if (rest.size() > 2 && rest[2] != '\\') parsed.root.clear();  // "\\?\C:x"
        } else {
            rootParts = platform::StartsWithNoCase(rest, "GLOBALROOT\\") ? 3 : 1;
            parsed.root = "\\\\?";
            for (std::size_t i = 0; i < rootParts && i < parts.size(); ++i)
                parsed.root += "\\" + parts[i];
        }
        for (std::size_t i = rootParts; i < parts.size(); ++i)
            if (!parts[i].empty()) parsed.components.push_back(parts[i]);
        return parsed;
    }

    std::string path = raw;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.starts_with("\\\\.\\")) path = path.substr(4);
    std::string rest;
    if (path.size() >= 2 && path[1] == ':') {
        parsed.root = std::string(1, static_cast<char>(std::toupper(path[0]))) + ":";
        rest = path.substr(2);
        if (!rest.starts_with("\\")) {
            // Drive-relative: against the current directory when it is on that drive.
            Parsed cwd = Parse(currentDirectory_);
            if (SameName(cwd.root, parsed.root)) parsed.components = cwd.components;
        }
    } else if (path.starts_with("\\\\")) {
        std::vector<std::string> parts = platform::PathParts(path.substr(2));
        parsed.root = "\\\\" + parts[0] + (parts.size() > 1 ? "\\" + parts[1] : "");
        for (std::size_t i = 2; i < parts.size(); ++i) rest += "\\" + parts[i];
    } else if (path.starts_with("\\")) {
        parsed.root = Parse(currentDirectory_).root;
        rest = path;
    } else {
        parsed = Parse(currentDirectory_);
        rest = path;
    }
    for (const std::string& part : platform::PathParts(rest)) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parsed.components.empty()) parsed.components.pop_back();
            continue;
        }
        std::string name = Trimmed(part);
        if (!name.empty()) parsed.components.push_back(name);
    }
    return parsed;
}

FakeFileSystem::Node* FakeFileSystem::NewNode(Node* parent, const std::string& name,
                                              bool isDirectory, std::uint32_t attributes) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->isDirectory = isDirectory;
    node->attributes =
        isDirectory ? (attributes | attr::kDirectory) : (attributes & ~attr::kDirectory);
    node->parent = parent;
    node->index = nodes_.size() + 1;
    nodes_.push_back(std::move(node));
    if (parent != nullptr) parent->children.push_back(nodes_.back().get());
    return nodes_.back().get();
}

FakeFileSystem::Node* FakeFileSystem::RootOf(const std::string& root, bool create) {
    for (Node* node : roots_)
        if (SameName(node->name, root)) return node;
    auto alias = aliases_.find(platform::LowerAscii(root));
    if (alias != aliases_.end()) return Find(alias->second, true);
    if (!create || root.empty()) return nullptr;
    Node* node = NewNode(nullptr, root, true, attr::kDirectory);
    node->isRoot = true;
    roots_.push_back(node);
    return node;
}

FakeFileSystem::Node* FakeFileSystem::Follow(Node* node, int depth) {
    if (node != nullptr && node->mounted != nullptr) return node->mounted;
    if (node == nullptr || !node->IsLink()) return node;
    if (depth > kMaxLinkDepth) return nullptr;
    return FindParsed(Parse(node->linkTarget), static_cast<std::size_t>(-1), true, depth + 1);
}

FakeFileSystem::Node* FakeFileSystem::Child(Node* folder, const std::string& name) {
    for (Node* child : folder->children)
        if (SameName(child->name, name)) return child;
    for (Node* child : folder->children)
        if (!child->shortName.empty() && SameName(child->shortName, name)) return child;
    // "name::$INDEX_ALLOCATION" is the folder's own index: the folder itself.
    if (name.size() > kStreamSuffix.size() && platform::LowerAscii(name).ends_with(kStreamSuffix)) {
        Node* child = Child(folder, name.substr(0, name.size() - kStreamSuffix.size()));
        if (child != nullptr && child->isDirectory) return child;
    }
    return nullptr;
}

FakeFileSystem::Node* FakeFileSystem::FindParsed(const Parsed& parsed, std::size_t count,
                                                 bool followLast, int depth) {
    Node* node = RootOf(parsed.root, false);
    std::size_t n = std::min(count, parsed.components.size());
    for (std::size_t i = 0; i < n && node != nullptr; ++i) {
        node = Follow(node, depth);
        if (node == nullptr || !node->isDirectory) return nullptr;
        node = Child(node, parsed.components[i]);
    }
    return followLast ? Follow(node, depth) : node;
}

FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path, bool followLast) {
    reached.push_back(path);
    if (path.empty()) return nullptr;
    return FindParsed(Parse(path), static_cast<std::size_t>(-1), followLast, 0);
}

FakeFileSystem::Node* FakeFileSystem::MakeParents(const Parsed& parsed) {
    Node* node = RootOf(parsed.root, true);
    for (std::size_t i = 0; i + 1 < parsed.components.size(); ++i) {
        node = Follow(node, 0);
        if (node == nullptr || !node->isDirectory)
            throw std::logic_error("fake file system: a parent is not a folder");
        Node* next = Child(node, parsed.components[i]);
        if (next == nullptr) next = NewNode(node, parsed.components[i], true, attr::kDirectory);
        node = next;
    }
    return Follow(node, 0);
}

FakeFileSystem::Node* FakeFileSystem::AddNode(const std::string& path, bool isDirectory,
                                              std::uint32_t attributes) {
    Parsed parsed = Parse(path);
    if (parsed.components.empty()) return RootOf(parsed.root, true);
    Node* parent = MakeParents(parsed);
    for (Node* child : parent->children)
        if (SameName(child->name, parsed.components.back()))
            throw std::logic_error("fake file system: exists already: " + path);
    return NewNode(parent, parsed.components.back(), isDirectory, attributes);
}

bool FakeFileSystem::IsDriveRoot(const Node* node) {
    return node->isRoot && IsDriveRootName(node->name);
}

FakeFileSystem::Node* FakeFileSystem::Data(Node* node) {
    return node->data != nullptr ? node->data : node;
}

void FakeFileSystem::Unlink(Node* node) {
    if (node->parent == nullptr) return;
    --Data(node)->names;
    auto& siblings = node->parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), node));
    node->parent = nullptr;
}

// The names from NODE up to its root, innermost first; a mounted volume's root reads as the
// folder it is mounted at. Null when NODE is out of the tree.
FakeFileSystem::Node* FakeFileSystem::Climb(Node* node, std::vector<std::string>& names,
                                            bool trim) {
    while (node != nullptr) {
        // A volume with a drive letter is named by it, as the platform names it.
        if (node->isRoot && (node->mountedAt == nullptr || IsDriveRoot(node))) return node;
        if (node->isRoot) {
            node = node->mountedAt;
            continue;
        }
        names.push_back(trim ? Trimmed(node->name) : node->name);
        node = node->parent;
    }
    return nullptr;
}

std::string FakeFileSystem::DisplayPath(Node* node) {
    std::vector<std::string> names;
    node = Climb(node, names, false);
    if (node == nullptr) return {};
    std::string out = node->name;
    for (auto it = names.rbegin(); it != names.rend(); ++it) out += "\\" + *it;
    return names.empty() ? out + "\\" : out;
}

std::string FakeFileSystem::FinalPath(Node* node) {
    std::vector<std::string> names;
    node = Climb(node, names, trimsFinalNames);
    if (node == nullptr) return {};
    std::string out = node->name.starts_with("\\\\") ? "\\\\?\\UNC" + node->name.substr(1)
                                                     : "\\\\?\\" + node->name;
    for (auto it = names.rbegin(); it != names.rend(); ++it) out += "\\" + *it;
    return names.empty() ? out + "\\" : out;
}

// ---- Building -----------------------------------------------------------------------------

void FakeFileSystem::AddFolder(const std::string& path, std::uint32_t attributes) {
    AddNode(path, true, attributes);
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& contents,
                             std::uint32_t attributes) {
    AddNode(path, false, attributes)->contents = contents;
}

void FakeFileSystem::AddFolderLink(const std::string& path, const std::string& target) {
    Node* node = AddNode(path, true, attr::kDirectory | attr::kReparsePoint);
    node->linkTarget = target;
}

void FakeFileSystem::AddFileLink(const std::string& path, const std::string& target,
                                 bool asReparsePoint) {
    Node* node = AddNode(path, false, 0);
    node->linkTarget = target;
    node->linkAsReparse = asReparsePoint;
}

void FakeFileSystem::AddAlias(const std::string& spelling, const std::string& target) {
    aliases_[platform::LowerAscii(spelling)] = target;
}

void FakeFileSystem::AddHardLink(const std::string& path, const std::string& existing) {
    Node* data = Find(existing, true);
    if (data != nullptr) data = Data(data);
    if (data == nullptr || data->isDirectory)
        throw std::logic_error("fake file system: no file to link to: " + existing);
    Node* node = AddNode(path, false, data->attributes);
    node->data = data;
    ++data->names;
}

void FakeFileSystem::AddMountPoint(const std::string& path, const std::string& volume,
                                   bool asReparsePoint) {
    Node* root = RootOf(Parse(volume).root, true);
    Node* node = AddNode(path, true, attr::kDirectory | (asReparsePoint ? attr::kReparsePoint : 0));
    node->mounted = root;
    root->mountedAt = node;
}

namespace {
template <typename T>
T* Existing(T* node, const std::string& path) {
    if (node == nullptr) throw std::logic_error("fake file system: no such entry: " + path);
    return node;
}
}  // namespace

void FakeFileSystem::SetShortName(const std::string& path, const std::string& shortName) {
    Existing(Find(path, false), path)->shortName = shortName;
}

void FakeFileSystem::SetInUse(const std::string& path, bool inUse) {
    Existing(Find(path, false), path)->inUse = inUse;
}

void FakeFileSystem::SetUnremovable(const std::string& path, bool unremovable) {
    Existing(Find(path, false), path)->unremovable = unremovable;
}

void FakeFileSystem::SetDeletionIgnored(const std::string& path) {
    Existing(Find(path, true), path)->deletionIgnored = true;
}

void FakeFileSystem::SetCurrentDirectory(const std::string& path) {
    currentDirectory_ = path;
}

void FakeFileSystem::Remove(const std::string& path) {
    Unlink(Existing(Find(path, false), path));
}

bool FakeFileSystem::Exists(const std::string& path) {
    return Find(path, false) != nullptr;
}

void FakeFileSystem::Collect(Node* node, const std::string& prefix,
                             std::map<std::string, Item>& out) {
    out[platform::LowerAscii(prefix)] =
        Item{Data(node)->attributes, Data(node)->contents, node->linkTarget};
    for (Node* child : node->children)
        Collect(child, prefix + (prefix.ends_with("\\") ? "" : "\\") + child->name, out);
}

std::map<std::string, FakeFileSystem::Item> FakeFileSystem::Snapshot(const std::string& path) {
    std::map<std::string, Item> out;
    Node* node = Find(path, false);
    if (node != nullptr) Collect(node, DisplayPath(node), out);
    return out;
}

std::uint32_t FakeFileSystem::ListedAttributes(Node* node) {
    if (!node->IsLink() || node->isDirectory) return Data(node)->attributes;
    Node* target = Follow(node, 0);
    std::uint32_t a = target != nullptr ? Data(target)->attributes : attr::kArchive;
    return node->linkAsReparse ? (a | attr::kReparsePoint) : a;
}

// ---- platform::FileSystem -----------------------------------------------------------------

bool FakeFileSystem::DirectoryExists(const std::string& path) {
    Node* node = Find(path, true);
    return node != nullptr && node->isDirectory;
}

bool FakeFileSystem::FileExists(const std::string& path) {
    Node* node = Find(path, true);
    return node != nullptr && !node->isDirectory;
}

std::optional<std::uint32_t> FakeFileSystem::Attributes(const std::string& path) {
    Node* node = Find(path, false);
    if (node == nullptr) return std::nullopt;
    return ListedAttributes(node);
}

bool FakeFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    Node* node = Find(path, true);
    if (node == nullptr) return false;
    constexpr std::uint32_t settable =
        attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;
    node = Data(node);
    node->attributes = (node->attributes & ~settable) | (attributes & settable);
    return true;
}

bool FakeFileSystem::Enumerate(const std::string& pattern,
                               std::vector<platform::DirEntry>& entries) {
    entries.clear();
    std::string normalized = pattern;
    std::replace(normalized.begin(), normalized.end(), '/', '\\');
    std::size_t cut = normalized.find_last_of("\\:");
    std::string folder = cut == std::string::npos ? "." : normalized.substr(0, cut + 1);
    std::string mask = cut == std::string::npos ? normalized : normalized.substr(cut + 1);
    Node* node = Find(folder, true);
    if (node == nullptr || !node->isDirectory || mask.empty()) return false;
    if (!node->isRoot) {
        for (const char* dot : {".", ".."})
            if (PatternMatches(mask, dot)) entries.push_back({dot, attr::kDirectory, 0});
    }
    for (Node* child : node->children) {
        if (!PatternMatches(mask, child->name)) continue;
        Node* target = child->isDirectory ? child : Follow(child, 0);
        std::uint64_t size = target != nullptr ? Data(target)->contents.size() : 0;
        entries.push_back({child->name, ListedAttributes(child), size, child->shortName});
    }
    return !entries.empty();
}

std::unique_ptr<platform::OpenEntry> FakeFileSystem::Open(const std::string& path,
                                                          platform::OpenFor purpose) {
    ++opens;
    if (beforeOpen) beforeOpen(path);
    Node* node = Find(path, true);  // as under Wine: a link is followed even at the end
    if (node == nullptr) {
        lastError_ = kNotFound;
        return nullptr;
    }
    bool mayDelete = purpose != platform::OpenFor::Listing && purpose != platform::OpenFor::Walking;
    if (purpose == platform::OpenFor::Deletion || purpose == platform::OpenFor::AttributeReset) {
        if (node->isDirectory || node->inUse) {  // not a file / sharing refused
            lastError_ = node->inUse ? kInUse : kAccessDenied;
            return nullptr;
        }
    } else if (node->inUse) {
        mayDelete = false;  // a folder held open elsewhere can still be listed
    }
    return std::make_unique<Handle>(*this, node, purpose, mayDelete);
}

std::vector<std::string> FakeFileSystem::KnownFolderPaths(platform::KnownFolder id) {
    auto known = knownFolders.find(id);
    if (known != knownFolders.end()) return known->second;
    std::vector<std::string> roots;
    if (id != platform::KnownFolder::DriveRoots) return roots;
    for (Node* root : roots_)
        if (IsDriveRootName(root->name)) roots.push_back(root->name + "\\");
    return roots;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
    Parsed parsed = Parse(path);
    if (parsed.components.empty()) return false;
    Node* parent = FindParsed(parsed, parsed.components.size() - 1, true, 0);
    if (parent == nullptr || !parent->isDirectory) return false;
    for (Node* child : parent->children)
        if (SameName(child->name, parsed.components.back())) return false;
    NewNode(parent, parsed.components.back(), true, attr::kDirectory);
    return true;
}

std::string FakeFileSystem::CurrentDirectory() {
    return currentDirectory_;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    Node* node = Find(path, true);
    if (node == nullptr || node->isDirectory) return std::nullopt;
    return Data(node)->contents;
}

FakeFileSystem::Node* FakeFileSystem::OwnFile(const std::string& path, std::string& error) {
    Parsed parsed = Parse(path);
    Node* parent = parsed.components.empty()
                       ? nullptr
                       : FindParsed(parsed, parsed.components.size() - 1, true, 0);
    if (parent == nullptr || !parent->isDirectory) {
        error = "The system cannot find the path specified.";
        return nullptr;
    }
    Node* node = Child(parent, parsed.components.back());
    if (node != nullptr && (node->IsLink() || node->mounted != nullptr)) {
        error = "It is a link, junction or other reparse point; nothing is written through one.";
        return nullptr;
    }
    if (node != nullptr && Data(node)->names > 1) {
        error = "The file has other names (hard links); nothing is written through one.";
        return nullptr;
    }
    if (node != nullptr && (node->isDirectory || (node->attributes & attr::kReadOnly) != 0)) {
        error = kAccessDenied;
        return nullptr;
    }
    if (node != nullptr && node->inUse) {
        error = kInUse;
        return nullptr;
    }
    return node != nullptr ? node
                           : NewNode(parent, parsed.components.back(), false, attr::kArchive);
}

bool FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes,
                               std::string& error) {
    reached.push_back(path);
    Node* node = OwnFile(path, error);
    if (node != nullptr) node->contents = bytes;
    return node != nullptr;
}

bool FakeFileSystem::AppendFile(const std::string& path, const std::string& bytes,
                                std::string& error) {
    reached.push_back(path);
    Node* node = OwnFile(path, error);
    if (node != nullptr) node->contents += bytes;
    return node != nullptr;
}

std::string FakeFileSystem::NameKey(std::string_view text) {
    return UpperCaseKey(text);
}

bool FakeFileSystem::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    Node* source = Find(from, true);
    if (source == nullptr || source->isDirectory) return false;
    if (!overwrite && Find(to, true) != nullptr) return false;
    std::string bytes = source->contents;
    std::string error;
    return WriteFile(to, bytes, error);
}

bool FakeFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    Node* source = Find(from, false);
    Node* target = Find(to, false);
    Parsed parsed = Parse(to);
    Node* parent = parsed.components.empty()
                       ? nullptr
                       : FindParsed(parsed, parsed.components.size() - 1, true, 0);
    if (source == nullptr || source->isDirectory || parent == nullptr || !parent->isDirectory) {
        lastError_ = kNotFound;
        return false;
    }
    if (Data(source)->inUse || (target != nullptr && Data(target)->inUse)) {
        lastError_ = kInUse;
        return false;
    }
    if (target != nullptr &&
        (target->isDirectory || (Data(target)->attributes & attr::kReadOnly) != 0)) {
        lastError_ = kAccessDenied;
        return false;
    }
    if (target == source) return true;
    if (target != nullptr) Unlink(target);
    auto& siblings = source->parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), source));
    source->parent = parent;
    source->name = parsed.components.back();
    parent->children.push_back(source);
    return true;
}

}  // namespace fakes
