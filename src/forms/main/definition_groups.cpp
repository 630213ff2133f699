#include "forms/main/definition_groups.h"

#include <algorithm>

#include "forms/main/category_rows.h"

namespace app {

void DefinitionGroups::Clear() {
    entries_.clear();
    groups_.clear();  // each group's boxes before the group box
    set_.reset();
    list_.ContentChanged();
}

void DefinitionGroups::Show(std::unique_ptr<engine::DefinitionSet> set,
                            const std::vector<std::string>& ticked, int top) {
    Clear();
    set_ = std::move(set);
    // The groups in the order the file first names them, each with its entries in file order.
    std::vector<std::string> names;
    for (const engine::DefinitionCategory& category : set_->categories)
        if (category.present &&
            std::find(names.begin(), names.end(), category.group) == names.end())
            names.push_back(category.group);
    const ui::Color background = list_.GetColor();
    for (const std::string& name : names) {
        Group& group = groups_.emplace_back();
        group.box = std::make_unique<controls::TKVZXPGroupBox>(&list_);
        group.box->SetName("DefinitionGroup" + std::to_string(groups_.size()));
        group.box->SetColor(background);
        group.title = std::make_unique<ui::Label>(group.box.get());
        mainform::StyleRow(*group.title, name, 0, background);
        group.title->SetTransparent(true);
        for (const engine::DefinitionCategory& category : set_->categories) {
            if (!category.present || category.group != name) continue;
            auto box = std::make_unique<controls::TKVZXPCheckBox>(group.box.get());
            mainform::StyleRow(*box, category.name, static_cast<int>(group.boxes.size()) + 1,
                               background);
            box->SetName(category.id);
            box->SetCursor(ui::Cursor::Hand);
            box->SetHint(category.warning.empty() ? category.name
                                                  : category.name + ": " + category.warning);
            box->SetShowHint(true);
            box->SetChecked(std::find(ticked.begin(), ticked.end(), category.id) != ticked.end());
            controls::TKVZXPCheckBox& shown = *box;
            box->OnClick = [this, &category, &shown] {
                if (OnClick) OnClick(category, shown);
            };
            entries_.push_back({&category, box.get()});
            group.boxes.push_back(std::move(box));
        }
        const int height = mainform::GroupHeight(static_cast<int>(group.boxes.size()) + 1);
        group.box->SetBounds(0, top, mainform::kGroupWidth, height);
        top += height + mainform::kGroupGap;
        // Made after the window: realised now (before it, with the window).
        if (list_.Realized()) group.box->Realize();
    }
    list_.ContentChanged();
}

std::vector<std::string> DefinitionGroups::Ticked() const {
    std::vector<std::string> ids;
    for (const Entry& entry : entries_)
        if (entry.box->Checked()) ids.push_back(entry.category->id);
    return ids;
}

std::vector<const engine::CategoryRow*> DefinitionGroups::RowsOf(
    const std::set<std::string>& ids) const {
    std::vector<const engine::CategoryRow*> rows;
    for (const Entry& entry : entries_)
        if (ids.count(entry.category->id) != 0) rows.push_back(&entry.category->row);
    return rows;
}

void DefinitionGroups::SetEnabled(bool enabled) {
    for (const Entry& entry : entries_) entry.box->SetEnabled(enabled);
}

controls::TKVZXPCheckBox* DefinitionGroups::BoxOf(const std::string& id) const {
    for (const Entry& entry : entries_)
        if (entry.category->id == id) return entry.box;
    return nullptr;
}

}  // namespace app
