#pragma once
// An in-memory file system for tests. It models what the program's logic depends on:
// drives and shares, attributes, enumeration in creation order ("." and ".." included below
// a root, as the platform lists them), files in use (deletion and writing refused),
// read-only files, folders that cannot be removed, folder reparse points (junctions) that
// lead to other folders, file links, hard links (one file, several names, its attributes
// shared), volumes mounted at a folder, names whose deletion is accepted but never happens,
// the system's known folders, and the current directory.
//
// Paths as the platform reads them: case-insensitive (every script, as the system's upper case
// compares them); a path beginning with "\\?\" is
// literal (taken name by name), any other is normalised first ("/" read as "\", "." and ".."
// applied, trailing dots and spaces dropped from every name), so "sub." reaches "sub".
// 8.3 short names, "name::$INDEX_ALLOCATION" (the folder itself) and other spellings of a
// root (subst and mapped drives, administrative shares, device paths) lead where they do on
// Windows.
//
// Handles behave as under Wine, the harder case for the purge: links are followed even at
// the end of the path, final paths show where a handle really is, with names trimmed of
// trailing dots and spaces (unless trimsFinalNames is off), and a deletion marked on a
// handle happens when the handle is closed.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/files.h"

namespace fakes {

class FakeFileSystem : public platform::FileSystem {
  public:
    // One entry of Snapshot(): what a test compares to see that nothing was touched.
    struct Item {
        std::uint32_t attributes = 0;
        std::string contents;
        std::string linkTarget;
        bool operator==(const Item&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Item& item) {
            return out << "attributes " << item.attributes << " \"" << item.contents << "\""
                       << (item.linkTarget.empty() ? "" : " -> " + item.linkTarget);
        }
    };

    FakeFileSystem();  // drive C: with current directory "C:\"
    ~FakeFileSystem() override;

    // Building a tree. Missing parent folders are created as plain folders.
    void AddFolder(const std::string& path, std::uint32_t attributes = platform::attr::kDirectory);
    void AddFile(const std::string& path, const std::string& contents = "",
                 std::uint32_t attributes = platform::attr::kArchive);
    // A folder reparse point at PATH leading to the folder TARGET (listed with the directory
    // and reparse-point bits, as a junction or a Wine directory symlink).
    void AddFolderLink(const std::string& path, const std::string& target);
    // A file link at PATH to the file TARGET. Listed with the target's attributes, as Wine
    // shows a Unix symlink, or with the reparse-point bit added when AS_REPARSE_POINT.
    void AddFileLink(const std::string& path, const std::string& target,
                     bool asReparsePoint = false);
    // Another spelling of a root that leads to the folder TARGET: "S:" (subst, mapped
    // drive), "\\localhost\C$", "\\?\GLOBALROOT\Device\HarddiskVolume1".
    void AddAlias(const std::string& spelling, const std::string& target);
    // Another name at PATH for the existing file EXISTING: the same contents and attributes.
    void AddHardLink(const std::string& path, const std::string& existing);
    // Mounts the volume VOLUME (a root of its own: "D:", "\\?\Volume{x}") at the new folder
    // PATH. Paths below it read as PATH's unless the volume has a drive letter; its identity
    // is the volume's. Listed as a plain folder (as Wine shows a bind mount) or, with
    // AS_REPARSE_POINT, as Windows shows one.
    void AddMountPoint(const std::string& path, const std::string& volume,
                       bool asReparsePoint = false);
    // The deletion of PATH is accepted, but the name outlives the handle (as a mount point
    // under Wine, or a name the platform fails to unlink when the handle closes).
    void SetDeletionIgnored(const std::string& path);
    void SetShortName(const std::string& path, const std::string& shortName);
    void SetInUse(const std::string& path, bool inUse = true);
    void SetUnremovable(const std::string& path, bool unremovable = true);
    void SetCurrentDirectory(const std::string& path);
    // Takes PATH (a link itself, not its target) out of the tree with all below it.
    void Remove(const std::string& path);

    // True when PATH exists (a link counts itself, whether or not its target exists).
    bool Exists(const std::string& path);
    // Every entry below and including PATH (links not followed), by full lower-case path.
    std::map<std::string, Item> Snapshot(const std::string& path = "C:\\");

    // Called with the path at the start of every Open, so a test can change the tree between
    // a walk's listing and its use of an entry.
    std::function<void(const std::string& path)> beforeOpen;
    bool trimsFinalNames = true;
    // What KnownFolderPaths answers; drive roots not given here are the drives made so far.
    std::map<platform::KnownFolder, std::vector<std::string>> knownFolders;
    bool deletesReadOnlyNames = false;
    // Deletions and removals done through handles, in order ("delete X", "rmdir X").
    std::vector<std::string> log;
    int opens = 0;
    // Every path the program asked about, in order: what a test reads to see that a place
    // (a network share, say) was never reached.
    std::vector<std::string> reached;

    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool Enumerate(const std::string& pattern, std::vector<platform::DirEntry>& entries) override;
    std::unique_ptr<platform::OpenEntry> Open(const std::string& path,
                                              platform::OpenFor purpose) override;
    std::vector<std::string> KnownFolderPaths(platform::KnownFolder id) override;
    std::string NameKey(std::string_view text) override;
    bool DeletesReadOnlyNames() override { return deletesReadOnlyNames; }
    std::string LastErrorText() override { return lastError_; }
    bool CreateFolder(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) override;
    bool AppendFile(const std::string& path, const std::string& bytes, std::string& error) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;

  private:
    struct Node;
    class Handle;
    struct Parsed {
        std::string root;                     // "C:", "\\server\share" or a device root
        std::vector<std::string> components;  // below the root
    };

    Parsed Parse(const std::string& path) const;
    Node* RootOf(const std::string& root, bool create);
    // The node PATH names; links on the way are followed, the last one only when FOLLOWLAST.
    Node* Find(const std::string& path, bool followLast);
    Node* FindParsed(const Parsed& parsed, std::size_t count, bool followLast, int depth);
    Node* Follow(Node* node, int depth);
    Node* Child(Node* folder, const std::string& name);
    Node* MakeParents(const Parsed& parsed);
    Node* NewNode(Node* parent, const std::string& name, bool isDirectory,
                  std::uint32_t attributes);
    Node* AddNode(const std::string& path, bool isDirectory, std::uint32_t attributes);
    void Unlink(Node* node);
    static Node* Data(Node* node);  // the file a name stands for (itself but for hard links)
    static bool IsDriveRoot(const Node* node);
    Node* Climb(Node* node, std::vector<std::string>& names, bool trim);
    std::string DisplayPath(Node* node);  // "C:\a\b"; empty when out of the tree
    std::string FinalPath(Node* node);
    std::uint32_t ListedAttributes(Node* node);
    void Collect(Node* node, const std::string& prefix, std::map<std::string, Item>& out);
    // The file PATH names, for the program's own writes: created when missing; null, with the
    // reason in ERROR, when the name is a link, a folder, one of several names or read-only.
    Node* OwnFile(const std::string& path, std::string& error);

    std::vector<std::unique_ptr<Node>> nodes_;  // every node ever made, so handles stay valid
    std::vector<Node*> roots_;
    std::map<std::string, std::string> aliases_;  // lower-case spelling -> target path
    std::string currentDirectory_ = "C:\\";
    std::string lastError_;
};

}  // namespace fakes
