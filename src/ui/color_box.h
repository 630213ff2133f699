#pragma once
// A drop-down list of colours (standard control): each entry a swatch and the colour's name,
// one entry selected. The entries are the model; the native owner-drawn combo box mirrors
// them and draws each entry through DrawItem.

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

struct NamedColorItem {
    std::string name;
    Color color = clBlack;
};

class ColorBox : public Control {
  public:
    explicit ColorBox(Control* parent);
    ~ColorBox() override;
    bool WantsKey(int key) const override;

    const std::vector<NamedColorItem>& Items() const { return items_; }
    // Replaces the entries; the selection is cleared.
    void SetItems(std::vector<NamedColorItem> items);
    int Count() const { return static_cast<int>(items_.size()); }

    // -1 for no selection; an index outside the entries selects nothing. Raises no OnChange.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The native control reports the user's choice: OnChange follows.
    void SetItemIndexFromPeer(int index);
    // The colour of the selected entry; clNone with no selection.
    Color Selected() const;

    // Height of an entry (the selection field and every row of the list).
    int ItemHeight() const { return itemHeight_; }
    // Whether the list is dropped down; the native control reports it. While it is, Escape
    // and Enter close the list rather than reach the form.
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDownFromPeer(bool dropped) { droppedDown_ = dropped; }

    // Entries the dropped list shows before it scrolls.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);

    // Entry INDEX in R: the background (highlighted when SELECTED), a framed swatch, the name.
    void DrawItem(Canvas& canvas, int index, const Rect& r, bool selected);
    // Headless rendering: the selection field with the selected entry and the drop arrow.
    void Paint(Canvas& canvas) override;

    std::function<void()> OnChange;
    // After every change of the selection, by the user or by code (a binding to a model
    // listens).
    std::function<void()> OnSelectionChange;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    std::vector<NamedColorItem> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
    int dropDownCount_ = 8;
    bool droppedDown_ = false;
};

}  // namespace ui
