#include "settings/retranslate.h"

#include "platform/profile.h"
#include "ui/column_titles.h"
#include "ui/form.h"

namespace settings {
namespace {

bool SetOnControl(ui::Form& form, const TextEntry& entry, const std::string& text) {
    if (entry.control.empty()) {
        form.SetCaption(text);
        return true;
    }
    ui::Control* control = form.FindControl(entry.control);
    if (!control) return false;
    switch (entry.kind) {
        case TextKind::Caption:
            control->SetCaption(text);
            return true;
        case TextKind::Hint:
            control->SetHint(text);
            return true;
        case TextKind::ColumnTitle:
            if (auto* host = dynamic_cast<ui::ColumnTitleHost*>(control)) {
                host->SetColumnTitle(entry.column, text);
                return true;
            }
            return false;
    }
    return false;
}

}  // namespace

void ApplyTexts(const LanguageTarget& target, std::span<const TextEntry> entries,
                platform::Profile& profile, const std::string& path) {
    if (!target.form) return;
    for (const TextEntry& entry : entries) {
        std::string text =
            profile.ReadString(path, std::string(entry.section), std::string(entry.key),
                               std::string(entry.defaultText));
        if (SetOnControl(*target.form, entry, text)) continue;
        if (target.extra) (void)target.extra(entry, text);
    }
}

void Retranslate(const LanguageTarget& target, LanguageWindow window, platform::Profile& profile,
                 const std::string& path) {
    ApplyTexts(target, TextsOf(window), profile, path);
}

}  // namespace settings
