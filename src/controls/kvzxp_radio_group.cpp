#include "controls/kvzxp_radio_group.h"

#include <algorithm>

#include "ui/application.h"

namespace controls {

// ---- TXPGroupButton

TXPGroupButton::TXPGroupButton(TKVZXPCustomRadioGroup& group)
    : TKVZXPRadioButton(&group), group_(group) {
    SetVisible(false);
    SetEnabled(group.Enabled());
    SetShowHint(false);
    OnClick = [this] { group_.ButtonClicked(*this); };
}

void TXPGroupButton::KeyDown(int& key, ui::Shift s) {
    TKVZXPRadioButton::KeyDown(key, s);
    group_.KeyDown(key, s);
}

void TXPGroupButton::KeyPress(char32_t& ch) {
    TKVZXPRadioButton::KeyPress(ch);
    group_.KeyPress(ch);
    if ((ch == U'\b' || ch == U' ') && !group_.CanModify()) ch = 0;
}

// ---- TKVZXPCustomRadioGroup

TKVZXPCustomRadioGroup::TKVZXPCustomRadioGroup(ui::Control* parent) : TKVZXPCustomGroupBox(parent) {
    SetTabStop(false);
}

TKVZXPCustomRadioGroup::~TKVZXPCustomRadioGroup() {
    // The buttons go first, while the group is whole.
    buttons_.clear();
}

void TKVZXPCustomRadioGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    ItemsChanged();
}

void TKVZXPCustomRadioGroup::AddItem(std::string item) {
    items_.push_back(std::move(item));
    ItemsChanged();
}

void TKVZXPCustomRadioGroup::ClearItems() {
    items_.clear();
    ItemsChanged();
}

void TKVZXPCustomRadioGroup::ItemsChanged() {
    if (reading_) return;
    const int count = static_cast<int>(items_.size());
    if (itemIndex_ >= count) itemIndex_ = count - 1;
    UpdateButtons();
}

void TKVZXPCustomRadioGroup::SetItemIndex(int index) {
    if (reading_) {
        itemIndex_ = index;
        return;
    }
    const int count = static_cast<int>(buttons_.size());
    index = std::clamp(index, -1, count - 1);
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0 && itemIndex_ < count)
        buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
    itemIndex_ = index;
    if (index >= 0) buttons_[static_cast<size_t>(index)]->SetChecked(true);
}

void TKVZXPCustomRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == columns_) return;
    columns_ = columns;
    Arrange();
    Invalidate();
}

void TKVZXPCustomRadioGroup::EndLoad() {
    reading_ = false;
    UpdateButtons();
}

void TKVZXPCustomRadioGroup::UpdateButtons() {
    while (buttons_.size() < items_.size())
        buttons_.push_back(std::make_unique<TXPGroupButton>(*this));
    while (buttons_.size() > items_.size()) buttons_.pop_back();
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetCaption(items_[i]);
    if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(buttons_.size())) {
        updating_ = true;
        try {
            buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(true);
        } catch (...) {
            updating_ = false;
            throw;
        }
        updating_ = false;
    }
    Arrange();
    Invalidate();
}

void TKVZXPCustomRadioGroup::ButtonClicked(TXPGroupButton& button) {
    if (updating_) return;
    auto it =
        std::find_if(buttons_.begin(), buttons_.end(),
                     [&](const std::unique_ptr<TXPGroupButton>& b) { return b.get() == &button; });
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TKVZXPCustomRadioGroup::Arrange() {
    if (buttons_.empty() || reading_) return;
    auto canvas = App().GetBackend().CreateMeasureCanvas();
    canvas->font = GetFont();
    const int h = canvas->TextHeight("0");
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 15) / columns_;
    const int inner = Height() - h - 5;
    const int buttonHeight = inner / rows;
    const int topMargin = h + 1 + (inner % rows) / 2;
    for (int i = 0; i < count; ++i) {
        TXPGroupButton& b = *buttons_[static_cast<size_t>(i)];
        b.SetBounds((i / rows) * buttonWidth + 8, (i % rows) * buttonHeight + topMargin,
                    buttonWidth, buttonHeight);
    }
    for (auto& b : buttons_) b->Show();
}

void TKVZXPCustomRadioGroup::EnabledChanged() {
    TKVZXPCustomGroupBox::EnabledChanged();
    for (auto& b : buttons_) b->SetEnabled(Enabled());
}

void TKVZXPCustomRadioGroup::BoundsChanged() {
    TKVZXPCustomGroupBox::BoundsChanged();
    Arrange();
}

void TKVZXPCustomRadioGroup::FontChanged() {
    TKVZXPCustomGroupBox::FontChanged();
    Arrange();
}

}  // namespace controls
