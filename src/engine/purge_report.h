#pragma once
// What a purge did, or in a preview would do, entry by entry. Paths are the literal paths the
// walk built ("\\?\C:\...").

#include <cstdint>
#include <string>

namespace engine {

class PurgeReport {
  public:
    virtual ~PurgeReport() = default;

    // A file deleted (or, in a preview, that would be): its last name went, and BYTES with it.
    virtual void Deleted(const std::string& path, std::uint64_t bytes) = 0;
    // A name deleted (or that would be) of a file that keeps another name: neither the file nor
    // its bytes went (they count when its last name goes). A report that lists names alone
    // hears it as a deletion of no bytes.
    virtual void Unlinked(const std::string& path) { Deleted(path, 0); }
    // A file was just deleted (or would be), BYTES freed by it (0 when the file keeps another
    // name); Deleted tells it once its folder no longer lists it. For progress.
    virtual void FileDone(std::uint64_t bytes) { (void)bytes; }
    // A folder removed (or that would be).
    virtual void Removed(const std::string& path) = 0;
    // An entry left in place, with the reason: the system's text, or why the walk would not
    // touch it (a link).
    virtual void Failed(const std::string& path, const std::string& reason) = 0;
    // The whole folder refused, nothing in it touched; REASON says why in a user's words
    // ("reached through a link: C:\\data", "holds the Windows folder: C:\\Windows").
    virtual void Refused(const std::string& folder, const std::string& reason) = 0;
    // The purge of FOLDER ended before its last pass (the folder could not be opened again as
    // itself), with the reason.
    virtual void Stopped(const std::string& folder, const std::string& reason) = 0;
    // The walk entered FOLDER (for progress).
    virtual void Entered(const std::string& folder) = 0;
    // PATH matches the user's keep list: left alone, with everything below it, and not a
    // failure.
    virtual void Kept(const std::string& path) { (void)path; }
};

// A report that follows only how far a purge has come (FileDone): what becomes of each entry
// is passed over.
class ProgressReport : public PurgeReport {
  public:
    void Deleted(const std::string&, std::uint64_t) override {}
    void Removed(const std::string&) override {}
    void Failed(const std::string&, const std::string&) override {}
    void Refused(const std::string&, const std::string&) override {}
    void Stopped(const std::string&, const std::string&) override {}
    void Entered(const std::string&) override {}
};

inline constexpr const char* kReasonLink = "a link: its contents belong elsewhere";
inline constexpr const char* kReasonElsewhere = "leads outside the folder being emptied";
inline constexpr const char* kReasonReadOnly = "read-only";
inline constexpr const char* kReasonNotEmpty = "not empty";
inline constexpr const char* kReasonOtherNames = "has other names; left unchanged";
inline constexpr const char* kReasonMountPoint = "a mount point: its contents belong elsewhere";
inline constexpr const char* kReasonStillThere = "still there after its deletion";
inline constexpr const char* kReasonStopRequested = "stopped on request";

}  // namespace engine
