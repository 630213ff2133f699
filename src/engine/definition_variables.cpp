#include "engine/definition_variables.h"

#include <algorithm>

#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/today_targets.h"
#include "platform/files.h"
#include "platform/portable/path_text.h"
#include "platform/system.h"

namespace engine {

namespace {

using platform::KnownFolder;

bool Same(std::string_view a, std::string_view b) {
    return platform::LowerAscii(a) == platform::LowerAscii(b);
}

// A path is joined to what follows with a backslash of its own ("C:\\" is "C:").
std::string WithoutSeparator(std::string value) {
    while (!value.empty() && value.back() == '\\') value.pop_back();
    return value;
}

std::string Environment(platform::System& system, const char* name) {
    return WithoutSeparator(system.EnvironmentVariable(name).value_or(std::string()));
}

// VALUES without the empty ones and without repeats (spelled alike but for case).
std::vector<std::string> Distinct(std::vector<std::string> values) {
    std::vector<std::string> out;
    for (std::string& value : values)
        if (!value.empty() && std::none_of(out.begin(), out.end(), [&value](const auto& seen) {
                return Same(seen, value);
            }))
            out.push_back(std::move(value));
    return out;
}

// A folder the system knows: the first path it gives.
struct KnownName {
    std::string_view name;
    KnownFolder folder;
};

constexpr KnownName kKnown[] = {
    {"AppData", KnownFolder::RoamingAppData},
    {"LocalAppData", KnownFolder::LocalAppData},
    {"CommonAppData", KnownFolder::ProgramData},
    {"ProgramData", KnownFolder::ProgramData},
    {"ProgramFilesX86", KnownFolder::ProgramFilesX86},
    {"ProgramFiles(x86)", KnownFolder::ProgramFilesX86},
    {"Documents", KnownFolder::Documents},
    {"Music", KnownFolder::Music},
    {"Pictures", KnownFolder::Pictures},
    {"Video", KnownFolder::Videos},
};

// Both Program Files folders (one on a 32-bit system), the 64-bit one first.
std::vector<std::string> ProgramFilesFolders(platform::FileSystem& files) {
    return Distinct({KnownFolderPath(files, KnownFolder::ProgramFiles),
                     KnownFolderPath(files, KnownFolder::ProgramFilesX86)});
}

// The drive the Windows folder is on: "C:".
std::string SystemDrive(CleaningPaths& paths) {
    const std::string windows = paths.WindowsDirectory();
    return windows.size() >= 2 && windows[1] == ':' ? windows.substr(0, 2) : std::string();
}

}  // namespace

std::vector<std::string> DefinitionVariableValues(std::string_view name,
                                                  const CleaningServices& services,
                                                  CleaningPaths& paths) {
    platform::FileSystem& files = services.files;
    for (const KnownName& known : kKnown)
        if (Same(name, known.name)) return Distinct({KnownFolderPath(files, known.folder)});
    if (Same(name, "ProgramFiles")) return ProgramFilesFolders(files);
    if (Same(name, "CommonProgramFiles")) {
        std::vector<std::string> common;
        for (const std::string& programs : ProgramFilesFolders(files))
            common.push_back(programs + "\\Common Files");
        return common;
    }
    if (Same(name, "LocalLowAppData")) {
        const std::string local = KnownFolderPath(files, KnownFolder::LocalAppData);
        const std::size_t cut = local.rfind('\\');
        return Distinct(
            {cut == std::string::npos ? std::string() : local.substr(0, cut) + "\\LocalLow"});
    }
    if (Same(name, "WinDir") || Same(name, "SystemRoot"))
        return Distinct({WithoutSeparator(paths.WindowsDirectory())});
    if (Same(name, "UserProfile")) return Distinct({Environment(services.system, "USERPROFILE")});
    if (Same(name, "Public")) return Distinct({Environment(services.system, "PUBLIC")});
    if (Same(name, "HomeDrive")) return Distinct({Environment(services.system, "HOMEDRIVE")});
    if (Same(name, "UserName")) return Distinct({services.system.UserName().value_or("")});
    if (Same(name, "SystemDrive")) return Distinct({SystemDrive(paths)});
    if (Same(name, "Temp")) return Distinct({WithoutSeparator(paths.TempFolder())});
    return {};
}

}  // namespace engine
