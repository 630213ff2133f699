#pragma once
// Files and folders. Paths are UTF-8; the Win32 implementation uses the wide-character API
// with long-path support. Every call reports failure by its result and never throws.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Attribute bits as the platform reports them.
namespace attr {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kVolumeLabel = 0x8;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attr

struct DirEntry {
    std::string name;  // the entry's name alone, as enumerated
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::string shortName;  // its 8.3 name, where the platform made one; else empty
};

// What makes two spellings of a path name the same object: the volume's serial number and
// the object's index on it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Why an entry is opened; decides the access asked for and what others may do meanwhile.
// Opens that change or delete the entry, and the folder a purge walks, do not let anyone
// rename or delete it while they hold it: what was checked stays where it was checked.
enum class OpenFor {
    Listing,        // a folder to list and identify; links on the way and at the end followed
    Walking,        // a folder a purge empties: as Listing, and held in its place
    Removal,        // a folder to list, change and remove; a link at the end is not followed
    Deletion,       // a file to delete; a link at the end is not followed
    AttributeReset  // a file to change and delete; a link at the end is not followed
};

// Folders whose place the system knows, for refusing them by identity. Some have several
// paths (every fixed drive's root, every profile the system lists); a folder this system does
// not have has none.
enum class KnownFolder {
    DriveRoots,       // the root of every fixed drive
    Windows,          // the Windows folder
    System,           // its System32
    SystemX86,        // its SysWOW64 (32-bit programs' system folder on a 64-bit system)
    ProgramFiles,     // Program Files
    ProgramFilesX86,  // Program Files (x86)
    ProgramData,      // the folder of every user's application data
    ProfilesRoot,     // the folder that holds the user profiles
    Profiles,         // every profile folder the system lists
    Desktop,          // the current user's own folders from here on
    Documents,
    Downloads,
    Pictures,
    Music,
    Videos,
    RoamingAppData,
    LocalAppData,
    LocalLowAppData,
    Favorites,
    Contacts,
    Links,
    SavedGames,
    Searches,
    CurrentProfile,  // the current user's own profile
    // Folders a cloud service keeps in sync (OneDrive, and every sync root the system lists):
    // what is deleted there is deleted in the cloud.
    SyncRoots,
    Program  // the folder of the running program
};

// A file or folder held open. What is checked through it and what is changed through it are
// the same object, whatever happens to its path meanwhile. Closing (destroying) it completes
// a deletion marked with MarkForDeletion.
class OpenEntry {
  public:
    virtual ~OpenEntry() = default;

    // Where the object really is, links resolved: "\\?\C:\..." or "\\?\UNC\...";
    // empty when the platform cannot tell.
    virtual std::string FinalPath() = 0;
    virtual std::optional<FileIdentity> Identity() = 0;
    // How many names the file has (hard links); 1 for a folder, 0 when the platform cannot tell.
    virtual std::uint32_t LinkCount() = 0;
    // True when another volume or another folder is mounted at this folder: its contents
    // belong to another place, although no link shows it.
    virtual bool IsMountPoint() = 0;
    // Hands EACH a folder's entries one by one, in the platform's order, "." and ".." left
    // out, as the platform reads them in batches: a huge folder is never held whole. False
    // when the object cannot be listed (or not to the end).
    virtual bool ListEach(const std::function<void(const DirEntry&)>& each) = 0;
    // The same entries gathered.
    bool List(std::vector<DirEntry>& entries) {
        entries.clear();
        return ListEach([&entries](const DirEntry& entry) { entries.push_back(entry); });
    }
    virtual bool SetAttributes(std::uint32_t attributes) = 0;
    // Deletes the object's name when this handle closes. Refused (false) for a folder that is
    // not empty and for a read-only file, unless IGNOREREADONLY and the platform deletes a
    // read-only file's name without changing the file (FileSystem::DeletesReadOnlyNames).
    // Accepted is not done: the name may outlive the handle (a mount point, a name the
    // platform unlinks at close and cannot); the folder's next listing tells.
    virtual bool MarkForDeletion(bool ignoreReadOnly = false) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // True when PATH names an existing folder.
    virtual bool DirectoryExists(const std::string& path) = 0;
    // True when PATH names an existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // The attributes of PATH, or nullopt when it does not exist.
    virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // Lists the entries matching PATTERN (a folder + the platform's wildcard pattern, e.g.
    // "C:\\x\\*"), in the platform's order, "." and ".." included when the platform lists
    // them. Returns false when nothing could be enumerated.
    virtual bool Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) = 0;

    // Opens PATH for PURPOSE; nullptr when it cannot be opened so. A path that begins with
    // "\\?\" is used literally: no "." or ".." applied, no trailing dots or spaces dropped.
    // Any other path is made absolute and normalised as the platform does.
    virtual std::unique_ptr<OpenEntry> Open(const std::string& path, OpenFor purpose) = 0;
    // Where the system keeps known folder ID ("C:\\", "C:\\Windows", ...), as the system
    // spells it; none when this system has no such folder or cannot tell.
    virtual std::vector<std::string> KnownFolderPaths(KnownFolder id) = 0;
    // TEXT (UTF-8) as the system compares names: every character in the system's upper case,
    // for every script. Two names are the same name exactly when their keys are equal.
    virtual std::string NameKey(std::string_view text) = 0;
    // True when MarkForDeletion(true) can delete a read-only file's name, leaving the file's
    // attributes (shared by all its names) as they are.
    virtual bool DeletesReadOnlyNames() = 0;
    // The system's reason for the latest failed call made through this object or a handle it
    // opened, for reports ("Access is denied.").
    virtual std::string LastErrorText() = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;

    // Whole-file access, for the program's own files (logs, lists).
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Creates or replaces PATH with BYTES. On failure returns false and sets ERROR to the
    // system's reason text.
    virtual bool WriteFile(const std::string& path, const std::string& bytes,
                           std::string& error) = 0;
    // Appends BYTES to the file PATH in place, creating it when missing. Refused (false, with
    // the reason in ERROR, nothing written) when PATH names a link, junction or other reparse
    // point, a folder, or a file with more than one name: the program's own files are never
    // written through a name that leads elsewhere.
    virtual bool AppendFile(const std::string& path, const std::string& bytes,
                            std::string& error) = 0;
    virtual bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) = 0;
    // Moves the file FROM to TO in one step, replacing a file there: TO is afterwards either
    // the file it was or FROM's whole. A link at TO is replaced, not followed. False when
    // refused (TO read-only or in use, FROM missing).
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
};

}  // namespace platform
