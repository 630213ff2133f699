#pragma once
// A group box that makes one radio button per line of Items and lays them out in columns;
// ItemIndex is the checked line.

#include <memory>
#include <string>
#include <vector>

#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_radio_button.h"

namespace controls {

class TKVZXPCustomRadioGroup;

// One radio button of a group. Its keys also reach the group.
class TXPGroupButton : public TKVZXPRadioButton {
  public:
    explicit TXPGroupButton(TKVZXPCustomRadioGroup& group);

    void KeyDown(int& key, ui::Shift s) override;
    void KeyPress(char32_t& ch) override;

  private:
    TKVZXPCustomRadioGroup& group_;
};

class TKVZXPCustomRadioGroup : public TKVZXPCustomGroupBox {
  public:
    explicit TKVZXPCustomRadioGroup(ui::Control* parent);
    ~TKVZXPCustomRadioGroup() override;

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(std::string item);
    void ClearItems();

    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. count - 1; checking an item raises OnClick.
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    // Clamped to 1 .. 16.
    void SetColumns(int columns);

    const std::vector<std::unique_ptr<TXPGroupButton>>& Buttons() const { return buttons_; }

    // Bracket the setting of stored properties: ItemIndex is then taken as it is and the
    // buttons are made once, at the end.
    void BeginLoad() { reading_ = true; }
    void EndLoad();

    // Whether the user may change the choice (Space and Backspace on a button).
    virtual bool CanModify() const { return true; }

    // Places the buttons in columns.
    void Arrange();

    void EnabledChanged() override;
    void BoundsChanged() override;
    void FontChanged() override;

  private:
    friend class TXPGroupButton;
    void ItemsChanged();
    void UpdateButtons();
    void ButtonClicked(TXPGroupButton& button);

    std::vector<std::string> items_;
    std::vector<std::unique_ptr<TXPGroupButton>> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
    bool reading_ = false;
};

class TKVZXPRadioGroup : public TKVZXPCustomRadioGroup {
  public:
    using TKVZXPCustomRadioGroup::TKVZXPCustomRadioGroup;
};

}  // namespace controls
