#pragma once
// An in-memory file system for tests. It models what the program's logic depends on:
// drives and shares, attributes, enumeration in creation order ("." and ".." included below
// a root, as the platform lists them), files in use (deletion and writing refused),
// read-only files, folders that cannot be removed, folder reparse points (junctions) that
// lead to other folders, file links, and the current directory. Paths are case-insensitive,
// accept "/" and the "\\?\" prefix, and are resolved against the current directory.
// Links behave as FileSystem promises: paths through them are followed, but DeleteFileAt,
// SetAttributes and RemoveFolder refuse a link itself.

#include <cstdint>
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
    void SetInUse(const std::string& path, bool inUse = true);
    void SetUnremovable(const std::string& path, bool unremovable = true);
    void SetCurrentDirectory(const std::string& path);

    // True when PATH exists (a link counts itself, whether or not its target exists).
    bool Exists(const std::string& path);
    // Every entry below and including PATH (links not followed), by full lower-case path.
    std::map<std::string, Item> Snapshot(const std::string& path = "C:\\");

    // Successful DeleteFileAt and RemoveFolder calls, in order ("delete X", "rmdir X").
    std::vector<std::string> log;

    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool Enumerate(const std::string& pattern, std::vector<platform::DirEntry>& entries) override;
    bool DeleteFileAt(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;

  private:
    struct Node;
    struct Parsed {
        std::string root;                     // "C:" or "\\server\share"
        std::vector<std::string> components;  // below the root, "." and ".." resolved
    };

    Parsed Parse(const std::string& path) const;
    Node* RootOf(const std::string& root, bool create);
    // The node PATH names; links on the way are followed, the last one only when FOLLOWLAST.
    Node* Find(const std::string& path, bool followLast);
    Node* FindParsed(const Parsed& parsed, std::size_t count, bool followLast, int depth);
    Node* Follow(Node* node, int depth);
    Node* MakeParents(const Parsed& parsed);
    Node* AddNode(const std::string& path, bool isDirectory, std::uint32_t attributes);
    std::uint32_t ListedAttributes(Node* node);
    void Collect(Node* node, const std::string& prefix, std::map<std::string, Item>& out);

    std::vector<std::unique_ptr<Node>> roots_;
    std::string currentDirectory_ = "C:\\";
};

}  // namespace fakes
