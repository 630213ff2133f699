#include "settings/definitions_choice.h"

#include "settings/settings_file.h"

namespace settings {

namespace {

constexpr std::string_view kSection = "Definitions";
constexpr std::string_view kFile = "File";
// The ticked ids go, space-separated, in keys "Ticked1", "Ticked2"... each well within what a
// profile value holds; an empty one ends the list.
constexpr std::string_view kTicked = "Ticked";
constexpr std::size_t kChunk = 1500;

std::string TickedKey(int n) {
    return std::string(kTicked) + std::to_string(n);
}

}  // namespace

std::string DefinitionsFileInUse(const std::string& chosen) {
    return chosen;
}

DefinitionsChoice ReadDefinitionsChoice(const SettingsFile& settings) {
    DefinitionsChoice choice;
    choice.file = settings.ReadKey(kSection, kFile, "");
    for (int n = 1;; ++n) {
        const std::string chunk = settings.ReadKey(kSection, TickedKey(n), "");
        if (chunk.empty()) break;
        for (std::size_t at = 0; at < chunk.size();) {
            std::size_t end = chunk.find(' ', at);
            if (end == std::string::npos) end = chunk.size();
            if (end > at) choice.ticked.push_back(chunk.substr(at, end - at));
            at = end + 1;
        }
    }
    return choice;
}

void WriteDefinitionsChoice(SettingsFile& settings, const DefinitionsChoice& choice) {
    settings.WriteKey(kSection, kFile, choice.file);
    int n = 0;
    std::string chunk;
    for (const std::string& id : choice.ticked) {
        if (!chunk.empty() && chunk.size() + 1 + id.size() > kChunk) {
            settings.WriteKey(kSection, TickedKey(++n), chunk);
            chunk.clear();
        }
        chunk += (chunk.empty() ? "" : " ") + id;
    }
    if (!chunk.empty()) settings.WriteKey(kSection, TickedKey(++n), chunk);
    // The list ends at the first empty key; a longer list written before ends here too.
    if (!settings.ReadKey(kSection, TickedKey(n + 1), "").empty())
        settings.WriteKey(kSection, TickedKey(n + 1), "");
}

}  // namespace settings
