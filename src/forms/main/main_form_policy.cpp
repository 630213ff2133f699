// The categories the administrator forces on or off: their boxes show the forced state, cannot
// be changed by a click, "All", "Nothing" or a group button, and say why in their hint.

#include "engine/category_table.h"
#include "forms/main/main_form.h"

void TForm1::ApplyPolicy() {
    for (const engine::CategoryRow& row : engine::CategoryTable()) {
        const std::optional<bool> forced = row.category ? policy_.Forced(row.id) : std::nullopt;
        controls::TKVZXPCheckBox* box = forced ? CategoryBox(*row.category) : nullptr;
        if (box == nullptr) continue;
        box->SetChecked(*forced);
        box->SetEnabled(false);
        box->SetHint(engine::kSetByAdministrator);
        box->SetShowHint(true);
    }
}

bool TForm1::ForcedByPolicy(const controls::TKVZXPCheckBox& box) {
    for (const engine::CategoryRow& row : engine::CategoryTable())
        if (row.category && policy_.Forced(row.id) && CategoryBox(*row.category) == &box)
            return true;
    return false;
}

std::vector<std::string> TForm1::TickedCategoryIds() {
    const app::Ticks ticks = Ticked();
    std::vector<std::string> ids;
    for (const engine::CategoryRow& row : engine::CategoryTable())
        if (row.category && ticks.categories.count(*row.category)) ids.emplace_back(row.id);
    return ids;
}
