#include "settings/window_colors.h"

#include <initializer_list>

#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_header.h"
#include "ui/form.h"

namespace settings {

namespace {

// Header then panel, for each pair in order; a control the window lacks is passed over.
void ColorPairs(ui::Form* form, ui::Color color,
                std::initializer_list<std::pair<const char*, const char*>> pairs) {
    if (!form) return;
    for (const auto& [header, panel] : pairs) {
        if (auto* h = dynamic_cast<controls::TKVZXPHeader*>(form->FindControl(header)))
            h->SetColor(color);
        if (auto* p = dynamic_cast<controls::TKVZXPCollapsePanel*>(form->FindControl(panel)))
            p->SetColorBackground(color);
    }
}

}  // namespace

void ColorToolWindow(ui::Form* form, ui::Color color) {
    ColorPairs(form, color, {{"KVZXPHeader1", "KVZXPCollapsePanel1"}});
}

void ColorMainWindow(ui::Form* form, ui::Color color) {
    ColorPairs(form, color,
               {{"KVZXPHeader1", "KVZXPCollapsePanel1"}, {"KVZXPHeader2", "KVZXPCollapsePanel2"}});
}

}  // namespace settings
