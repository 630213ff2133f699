#include "fake_file_system.h"

#include <algorithm>
#include <stdexcept>

namespace fakes {

namespace attr = platform::attr;

struct FakeFileSystem::Node {
    std::string name;
    bool isDirectory = false;
    std::uint32_t attributes = 0;
    std::string contents;
    std::string linkTarget;  // non-empty for a link
    bool linkAsReparse = false;
    bool inUse = false;
    bool unremovable = false;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    bool IsLink() const { return !linkTarget.empty(); }
};

namespace {

constexpr int kMaxLinkDepth = 16;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string s) {
    for (char& c : s) c = Lower(c);
    return s;
}

bool SameName(const std::string& a, const std::string& b) {
    return LowerCopy(a) == LowerCopy(b);
}

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : s) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
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

bool PatternMatches(const std::string& pattern, const std::string& name) {
    if (WildcardMatch(pattern, 0, name, 0)) return true;
    if (pattern.size() >= 2 && pattern.ends_with(".*"))
        return WildcardMatch(pattern.substr(0, pattern.size() - 2), 0, name, 0);
    return false;
}

}  // namespace

FakeFileSystem::FakeFileSystem() {
    RootOf("C:", true);
}
FakeFileSystem::~FakeFileSystem() = default;

FakeFileSystem::Parsed FakeFileSystem::Parse(const std::string& raw) const {
    std::string path = raw;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.starts_with("\\\\?\\UNC\\"))
        path = "\\\\" + path.substr(8);
    else if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\"))
        path = path.substr(4);

    Parsed parsed;
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
        std::vector<std::string> parts = Split(path.substr(2));
        parsed.root = "\\\\" + parts[0] + (parts.size() > 1 ? "\\" + parts[1] : "");
        for (std::size_t i = 2; i < parts.size(); ++i) rest += "\\" + parts[i];
    } else if (path.starts_with("\\")) {
        parsed.root = Parse(currentDirectory_).root;
        rest = path;
    } else {
        parsed = Parse(currentDirectory_);
        rest = path;
    }
    for (const std::string& part : Split(rest)) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parsed.components.empty()) parsed.components.pop_back();
            continue;
        }
        parsed.components.push_back(part);
    }
    return parsed;
}

FakeFileSystem::Node* FakeFileSystem::RootOf(const std::string& root, bool create) {
    for (auto& node : roots_)
        if (SameName(node->name, root)) return node.get();
    if (!create) return nullptr;
    auto node = std::make_unique<Node>();
    node->name = root;
    node->isDirectory = true;
    node->attributes = attr::kDirectory;
    roots_.push_back(std::move(node));
    return roots_.back().get();
}

FakeFileSystem::Node* FakeFileSystem::Follow(Node* node, int depth) {
    if (node == nullptr || !node->IsLink()) return node;
    if (depth > kMaxLinkDepth) return nullptr;
    return FindParsed(Parse(node->linkTarget), static_cast<std::size_t>(-1), true, depth + 1);
}

FakeFileSystem::Node* FakeFileSystem::FindParsed(const Parsed& parsed, std::size_t count,
                                                 bool followLast, int depth) {
    Node* node = RootOf(parsed.root, false);
    std::size_t n = std::min(count, parsed.components.size());
    for (std::size_t i = 0; i < n && node != nullptr; ++i) {
        node = Follow(node, depth);
        if (node == nullptr || !node->isDirectory) return nullptr;
        Node* next = nullptr;
        for (auto& child : node->children)
            if (SameName(child->name, parsed.components[i])) next = child.get();
        node = next;
    }
    return followLast ? Follow(node, depth) : node;
}

FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path, bool followLast) {
    if (path.empty()) return nullptr;
    return FindParsed(Parse(path), static_cast<std::size_t>(-1), followLast, 0);
}

FakeFileSystem::Node* FakeFileSystem::MakeParents(const Parsed& parsed) {
    Node* node = RootOf(parsed.root, true);
    for (std::size_t i = 0; i + 1 < parsed.components.size(); ++i) {
        node = Follow(node, 0);
        if (node == nullptr || !node->isDirectory)
            throw std::logic_error("fake file system: a parent is not a folder");
        Node* next = nullptr;
        for (auto& child : node->children)
            if (SameName(child->name, parsed.components[i])) next = child.get();
        if (next == nullptr) {
            auto folder = std::make_unique<Node>();
            folder->name = parsed.components[i];
            folder->isDirectory = true;
            folder->attributes = attr::kDirectory;
            folder->parent = node;
            node->children.push_back(std::move(folder));
            next = node->children.back().get();
        }
        node = next;
    }
    return Follow(node, 0);
}

FakeFileSystem::Node* FakeFileSystem::AddNode(const std::string& path, bool isDirectory,
                                              std::uint32_t attributes) {
    Parsed parsed = Parse(path);
    if (parsed.components.empty()) return RootOf(parsed.root, true);
    Node* parent = MakeParents(parsed);
    for (auto& child : parent->children)
        if (SameName(child->name, parsed.components.back()))
            throw std::logic_error("fake file system: exists already: " + path);
    auto node = std::make_unique<Node>();
    node->name = parsed.components.back();
    node->isDirectory = isDirectory;
    node->attributes =
        isDirectory ? (attributes | attr::kDirectory) : (attributes & ~attr::kDirectory);
    node->parent = parent;
    parent->children.push_back(std::move(node));
    return parent->children.back().get();
}

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

void FakeFileSystem::SetInUse(const std::string& path, bool inUse) {
    Node* node = Find(path, false);
    if (node == nullptr) throw std::logic_error("fake file system: no such entry: " + path);
    node->inUse = inUse;
}

void FakeFileSystem::SetUnremovable(const std::string& path, bool unremovable) {
    Node* node = Find(path, false);
    if (node == nullptr) throw std::logic_error("fake file system: no such entry: " + path);
    node->unremovable = unremovable;
}

void FakeFileSystem::SetCurrentDirectory(const std::string& path) {
    currentDirectory_ = path;
}

bool FakeFileSystem::Exists(const std::string& path) {
    return Find(path, false) != nullptr;
}

void FakeFileSystem::Collect(Node* node, const std::string& prefix,
                             std::map<std::string, Item>& out) {
    out[LowerCopy(prefix)] = Item{node->attributes, node->contents, node->linkTarget};
    for (auto& child : node->children)
        Collect(child.get(), prefix + (prefix.ends_with("\\") ? "" : "\\") + child->name, out);
}

std::map<std::string, FakeFileSystem::Item> FakeFileSystem::Snapshot(const std::string& path) {
    std::map<std::string, Item> out;
    Parsed parsed = Parse(path);
    Node* node = FindParsed(parsed, static_cast<std::size_t>(-1), false, 0);
    if (node == nullptr) return out;
    std::string full = parsed.root + "\\";
    for (std::size_t i = 0; i < parsed.components.size(); ++i)
        full += (i ? "\\" : "") + parsed.components[i];
    Collect(node, full, out);
    return out;
}

std::uint32_t FakeFileSystem::ListedAttributes(Node* node) {
    if (!node->IsLink() || node->isDirectory) return node->attributes;
    Node* target = Follow(node, 0);
    std::uint32_t a = target != nullptr ? target->attributes : attr::kArchive;
    return node->linkAsReparse ? (a | attr::kReparsePoint) : a;
}

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
    Node* node = Find(path, false);
    if (node == nullptr || node->IsLink()) return false;
    constexpr std::uint32_t settable =
        attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;
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
    if (node->parent != nullptr) {
        for (const char* dot : {".", ".."})
            if (PatternMatches(mask, dot)) entries.push_back({dot, attr::kDirectory, 0});
    }
    for (auto& child : node->children) {
        if (!PatternMatches(mask, child->name)) continue;
        Node* target = child->isDirectory ? child.get() : Follow(child.get(), 0);
        std::uint64_t size = target != nullptr ? target->contents.size() : 0;
        entries.push_back({child->name, ListedAttributes(child.get()), size});
    }
    return !entries.empty();
}

bool FakeFileSystem::DeleteFileAt(const std::string& path) {
    Node* node = Find(path, false);
    if (node == nullptr || node->isDirectory || node->IsLink() || node->inUse ||
        (node->attributes & attr::kReadOnly) != 0)
        return false;
    log.push_back("delete " + path);
    auto& siblings = node->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [node](const auto& c) { return c.get() == node; }));
    return true;
}

bool FakeFileSystem::RemoveFolder(const std::string& path) {
    Node* node = Find(path, false);
    if (node == nullptr || !node->isDirectory || node->IsLink() || node->parent == nullptr ||
        node->unremovable || node->inUse || !node->children.empty() ||
        (node->attributes & attr::kReadOnly) != 0)
        return false;
    log.push_back("rmdir " + path);
    auto& siblings = node->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [node](const auto& c) { return c.get() == node; }));
    return true;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
    Parsed parsed = Parse(path);
    if (parsed.components.empty()) return false;
    Node* parent = FindParsed(parsed, parsed.components.size() - 1, true, 0);
    if (parent == nullptr || !parent->isDirectory) return false;
    for (auto& child : parent->children)
        if (SameName(child->name, parsed.components.back())) return false;
    auto node = std::make_unique<Node>();
    node->name = parsed.components.back();
    node->isDirectory = true;
    node->attributes = attr::kDirectory;
    node->parent = parent;
    parent->children.push_back(std::move(node));
    return true;
}

std::string FakeFileSystem::CurrentDirectory() {
    return currentDirectory_;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    Node* node = Find(path, true);
    if (node == nullptr || node->isDirectory) return std::nullopt;
    return node->contents;
}

bool FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes,
                               std::string& error) {
    Parsed parsed = Parse(path);
    Node* parent = parsed.components.empty()
                       ? nullptr
                       : FindParsed(parsed, parsed.components.size() - 1, true, 0);
    if (parent == nullptr || !parent->isDirectory) {
        error = "The system cannot find the path specified.";
        return false;
    }
    Node* node = Find(path, true);
    if (node != nullptr && (node->isDirectory || (node->attributes & attr::kReadOnly) != 0)) {
        error = "Access is denied.";
        return false;
    }
    if (node != nullptr && node->inUse) {
        error = "The process cannot access the file because it is being used by another process.";
        return false;
    }
    if (node == nullptr) {
        if (Find(path, false) != nullptr) {  // a dangling link
            error = "The system cannot find the path specified.";
            return false;
        }
        node = AddNode(path, false, attr::kArchive);
    }
    node->contents = bytes;
    return true;
}

bool FakeFileSystem::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    Node* source = Find(from, true);
    if (source == nullptr || source->isDirectory) return false;
    if (!overwrite && Find(to, true) != nullptr) return false;
    std::string bytes = source->contents;
    std::string error;
    return WriteFile(to, bytes, error);
}

}  // namespace fakes
