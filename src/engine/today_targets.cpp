#include "engine/today_targets.h"

#include <algorithm>
#include <cctype>

#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/path_place.h"
#include "platform/files.h"
#include "platform/portable/path_text.h"
#include "platform/profile.h"

namespace engine {

namespace {

using platform::KnownFolder;

constexpr std::string_view kChromiumCaches[] = {"Cache", "Code Cache", "GPUCache"};

// BASE\RELATIVE, or "" when BASE is unknown (so nothing is built at a drive's root).
std::string Below(const std::string& base, std::string_view relative) {
    return base.empty() ? std::string() : base + "\\" + std::string(relative);
}

bool IsChromiumProfile(platform::FileSystem& files, const std::string& userData,
                       const std::string& name) {
    if (name == "Default" || name == "Guest Profile" || name == "System Profile") return true;
    if (name.starts_with("Profile ") && name.size() > 8 &&
        std::all_of(name.begin() + 8, name.end(),
                    [](unsigned char c) { return std::isdigit(c) != 0; }))
        return true;
    return files.FileExists(userData + "\\" + name + "\\Preferences");
}

void AddCaches(std::vector<FolderTarget>& out, const std::string& profile) {
    for (std::string_view cache : kChromiumCaches) out.push_back({Below(profile, cache), {}});
}

bool SameFolder(const std::string& a, const std::string& b) {
    return platform::FoldCase(a) == platform::FoldCase(b);
}

void AddOnce(std::vector<FolderTarget>& out, std::string folder) {
    for (const FolderTarget& target : out)
        if (SameFolder(target.folder, folder)) return;
    out.push_back({std::move(folder), {}});
}

// Folders that may be there, each taken whole.
std::vector<FolderTarget> Whole(std::initializer_list<std::string> folders) {
    std::vector<FolderTarget> out;
    for (const std::string& folder : folders)
        if (!folder.empty()) out.push_back({folder, {}});
    return out;
}

}  // namespace

std::string KnownFolderPath(platform::FileSystem& files, KnownFolder id) {
    std::vector<std::string> paths = files.KnownFolderPaths(id);
    std::string path = paths.empty() ? std::string() : paths.front();
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::vector<std::string> SubFolderNames(platform::FileSystem& files, const std::string& folder,
                                        bool links) {
    std::vector<platform::DirEntry> entries;
    std::vector<std::string> names;
    const std::string pattern = folder.ends_with('\\') ? folder + "*" : folder + "\\*";
    if (folder.empty() || !files.Enumerate(pattern, entries)) return names;
    for (const platform::DirEntry& entry : entries)
        if ((entry.attributes & platform::attr::kDirectory) != 0 &&
            (links || (entry.attributes & platform::attr::kReparsePoint) == 0) &&
            entry.name != "." && entry.name != "..")
            names.push_back(entry.name);
    return names;
}

std::vector<FolderTarget> ChromiumCaches(const CleaningServices& services,
                                         std::string_view userData) {
    const std::string root =
        Below(KnownFolderPath(services.files, KnownFolder::LocalAppData), userData);
    std::vector<FolderTarget> out;
    for (const std::string& name : SubFolderNames(services.files, root, true))
        if (IsChromiumProfile(services.files, root, name)) AddCaches(out, root + "\\" + name);
    return out;
}

std::vector<FolderTarget> OperaCaches(const CleaningServices& services, CleaningPaths&) {
    std::vector<FolderTarget> out;
    for (KnownFolder base : {KnownFolder::LocalAppData, KnownFolder::RoamingAppData}) {
        const std::string profile =
            Below(KnownFolderPath(services.files, base), "Opera Software\\Opera Stable");
        if (!profile.empty()) AddCaches(out, profile);
    }
    return out;
}

std::vector<FolderTarget> FirefoxCaches(const CleaningServices& services, CleaningPaths&) {
    const std::string local =
        Below(KnownFolderPath(services.files, KnownFolder::LocalAppData), "Mozilla\\Firefox");
    std::vector<FolderTarget> out;
    if (local.empty()) return out;
    const std::string profiles = local + "\\Profiles";
    for (const std::string& name : SubFolderNames(services.files, profiles, true))
        AddOnce(out, profiles + "\\" + name + "\\cache2");

    // Profiles kept elsewhere are listed only in profiles.ini, numbered from 0 without gaps.
    const std::string roaming = Below(KnownFolderPath(services.files, KnownFolder::RoamingAppData),
                                      "Mozilla\\Firefox\\profiles.ini");
    if (roaming.empty() || !services.files.FileExists(roaming)) return out;
    for (int n = 0;; ++n) {
        const std::string section = "Profile" + std::to_string(n);
        if (!services.profile.SectionExists(roaming, section)) break;
        std::string path = services.profile.ReadString(roaming, section, "Path", "");
        if (path.empty()) continue;
        std::replace(path.begin(), path.end(), '/', '\\');
        const bool relative =
            services.profile.ReadString(roaming, section, "IsRelative", "1") != "0";
        // A relative path may not climb out of the Firefox folder.
        if (relative && (path.find("..") != std::string::npos || path.front() == '\\')) continue;
        // Nor is a share or a device reached for a path another program wrote.
        if (std::string why = SpellingRefusal(path); !relative && !why.empty()) {
            out.push_back({path + "\\cache2", {}, false, false, "profiles.ini names " + why});
            continue;
        }
        AddOnce(out, (relative ? local + "\\" + path : path) + "\\cache2");
    }
    return out;
}

std::vector<FolderTarget> ErrorReportFolders(const CleaningServices& services, CleaningPaths&) {
    const std::string machine =
        Below(KnownFolderPath(services.files, KnownFolder::ProgramData), "Microsoft\\Windows\\WER");
    return Whole({Below(KnownFolderPath(services.files, KnownFolder::LocalAppData),
                        "Microsoft\\Windows\\WER"),
                  Below(machine, "ReportArchive"), Below(machine, "ReportQueue")});
}

std::vector<FolderTarget> CrashDumpFolders(const CleaningServices& services, CleaningPaths& paths) {
    return Whole({Below(KnownFolderPath(services.files, KnownFolder::LocalAppData), "CrashDumps"),
                  paths.UnderWindows("\\Minidump")});
}

std::vector<FolderTarget> ShaderCacheFolders(const CleaningServices& services, CleaningPaths&) {
    const std::string local = KnownFolderPath(services.files, KnownFolder::LocalAppData);
    return Whole({Below(local, "D3DSCache"), Below(local, "NVIDIA\\DXCache"),
                  Below(local, "NVIDIA\\GLCache"), Below(local, "AMD\\DxCache")});
}

std::vector<FolderTarget> ThumbnailCacheFiles(const CleaningServices& services, CleaningPaths&) {
    const std::string explorer = Below(KnownFolderPath(services.files, KnownFolder::LocalAppData),
                                       "Microsoft\\Windows\\Explorer");
    if (explorer.empty()) return {};
    return {{explorer, {"thumbcache_*.db", "iconcache_*.db"}}};
}

}  // namespace engine
