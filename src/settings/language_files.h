#pragma once
// The language files: where they live, which one is in force, how the windows take it at
// their creation, and the switch made from the options window's list.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "settings/retranslate.h"
#include "settings/settings_file.h"

namespace settings {

inline constexpr std::string_view kLanguageFolderName = "Language";
inline constexpr std::string_view kLanguageMask = "*.MordaunLang";

class Languages {
  public:
    Languages(platform::System& system, platform::FileSystem& files, platform::Profile& profile);

    // The application folder + "Language" (no trailing backslash).
    std::string Folder() const;
    // The names of the files matching "*.MordaunLang" in the language folder (read-only,
    // hidden and system files too; folders never), sorted without regard to case. Empty when
    // the folder does not exist.
    std::vector<std::string> ListFiles() const;
    // The full path of a list entry: the folder, a backslash and NAME; empty with no selection.
    std::string PathOfSelection(const std::optional<std::string>& name) const;

    // [Laguage] LangResultFile when a file of that name exists, else empty.
    std::string CurrentFile() const;

    // A window's creation: with a current file (read again each time), retranslates WINDOWS
    // in order, then the key names of the hints. Returns the file applied (empty when none).
    std::string ApplyCurrent(std::span<const TranslatedWindow> windows) const;

    // Double-click in the language list. When PATH names an existing file, retranslates
    // WINDOWS in order and the key names, and remembers PATH; otherwise remembers the empty string
    // and changes no text. The write may throw "Unable to write to".
    void Switch(const std::string& path, std::span<const TranslatedWindow> windows);

  private:
    platform::System& system_;
    platform::FileSystem& files_;
    platform::Profile& profile_;
};

}  // namespace settings
