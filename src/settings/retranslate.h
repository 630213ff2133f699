#pragma once
// Applying a window's texts from a language file.

#include <functional>
#include <span>
#include <string>

#include "settings/language_tables.h"

namespace platform {
class Profile;
}
namespace ui {
class Form;
}

namespace settings {

// Takes a text for a target that is not a control of the form (the tray menu's "Exit1"
// item); returns true when it knew the target.
using ExtraTextTarget = std::function<bool(const TextEntry& entry, const std::string& text)>;

// A window to retranslate; a null form is skipped (not created yet).
struct LanguageTarget {
    ui::Form* form = nullptr;
    ExtraTextTarget extra;
};

// A window as a language file reaches it from another window (the options window retranslates
// the main window through this, without knowing its class).
class RetranslationTarget {
  public:
    virtual LanguageTarget TextTarget() = 0;

  protected:
    ~RetranslationTarget() = default;
};

// For each entry, in order: reads (section, key, default) from the language file PATH and
// sets the text of the target found by name on FORM (FindControl; an empty name is the form's
// own caption). Column titles go through ui::ColumnTitleHost. A target the form does not have
// goes to EXTRA, and is skipped when EXTRA does not take it either.
void ApplyTexts(const LanguageTarget& target, std::span<const TextEntry> entries,
                platform::Profile& profile, const std::string& path);

// ApplyTexts with the window's own table.
void Retranslate(const LanguageTarget& target, LanguageWindow window, platform::Profile& profile,
                 const std::string& path);

}  // namespace settings
