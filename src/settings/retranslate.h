#pragma once
// Applying a window's texts from a language file.

#include <span>
#include <string>

#include "settings/text_table.h"

namespace platform {
class Profile;
}

namespace settings {

// A window as a language file reaches it: the window and its table; a null form (not made yet)
// or a null table (a window without texts) is passed over.
struct TranslatedWindow {
    ui::Form* form = nullptr;
    const TextTable* texts = nullptr;
};

// For each row, in order: reads (section, key, default) from the language file PATH and puts
// the text on the row's place of the window.
void ApplyTexts(const TranslatedWindow& window, platform::Profile& profile,
                const std::string& path);

}  // namespace settings
