#include "settings/retranslate.h"

#include "platform/profile.h"

namespace settings {

void ApplyTexts(const TranslatedWindow& window, platform::Profile& profile,
                const std::string& path) {
    if (!window.form || !window.texts) return;
    for (const TextRow& row : window.texts->rows) {
        row.set(*window.form,
                profile.ReadString(path, std::string(window.texts->SectionOf(row)),
                                   std::string(row.key), std::string(row.defaultText)));
    }
}

}  // namespace settings
