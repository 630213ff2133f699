#include "settings/language_files.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "platform/files.h"
#include "platform/system.h"
#include "settings/key_name_texts.h"

namespace settings {
namespace {

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    auto tail = name.end() - static_cast<std::ptrdiff_t>(suffix.size());
    return std::equal(suffix.begin(), suffix.end(), tail, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Every window, then the key names of the hints, from the language file PATH.
void ApplyAll(std::span<const TranslatedWindow> windows, platform::Profile& profile,
              const std::string& path) {
    for (const TranslatedWindow& window : windows) ApplyTexts(window, profile, path);
    for (const TranslatedWindow& window : windows) {
        if (!window.form) continue;
        ApplyTexts({window.form, &kKeyNameTexts}, profile, path);
        return;
    }
}

}  // namespace

Languages::Languages(platform::System& system, platform::FileSystem& files,
                     platform::Profile& profile)
    : system_(system), files_(files), profile_(profile) {}

std::string Languages::Folder() const {
    return system_.ApplicationFolder() + std::string(kLanguageFolderName);
}

std::vector<std::string> Languages::ListFiles() const {
    std::vector<std::string> names;
    std::string folder = Folder();
    if (!files_.DirectoryExists(folder)) return names;
    std::vector<platform::DirEntry> entries;
    if (!files_.Enumerate(folder + "\\" + std::string(kLanguageMask), entries)) return names;
    const std::string_view extension = kLanguageMask.substr(1);  // ".MordaunLang"
    for (const platform::DirEntry& e : entries) {
        if (e.attributes & platform::attr::kDirectory) continue;
        if (!EndsWithNoCase(e.name, extension)) continue;
        names.push_back(e.name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::string Languages::PathOfSelection(const std::optional<std::string>& name) const {
    if (!name) return {};
    return Folder() + "\\" + *name;
}

std::string Languages::CurrentFile() const {
    std::string path = SettingsFile(system_, files_, profile_).ReadString(Setting::LanguageFile);
    if (path.empty() || !files_.FileExists(path)) return {};
    return path;
}

std::string Languages::ApplyCurrent(std::span<const TranslatedWindow> windows) const {
    std::string path = CurrentFile();
    if (path.empty()) return path;
    ApplyAll(windows, profile_, path);
    return path;
}

void Languages::Switch(const std::string& path, std::span<const TranslatedWindow> windows) {
    SettingsFile settings(system_, files_, profile_);
    if (path.empty() || !files_.FileExists(path)) {
        settings.WriteString(Setting::LanguageFile, "");
        return;
    }
    ApplyAll(windows, profile_, path);
    settings.WriteString(Setting::LanguageFile, path);
}

}  // namespace settings
