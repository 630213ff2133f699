#pragma once
// A list of text items with one selected item (standard control). The items are the model;
// the native list box mirrors them.

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

enum class ListBoxStyle { Standard, OwnerDrawFixed, OwnerDrawVariable };

class ListBox : public Control {
  public:
    explicit ListBox(Control* parent);

    ~ListBox() override;
    bool WantsKey(int key) const override;

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // Adds an item (in order when Sorted) and returns its index.
    int AddItem(std::string item);
    void ClearItems();
    int Count() const { return static_cast<int>(items_.size()); }

    // -1 for no selection.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The native control reports the user's selection.
    void SetItemIndexFromPeer(int index);

    // A sorted list keeps its items in the platform's order of names (case ignored, the user's
    // language; Backend::CollateNoCase); items that sort together keep their order of adding.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    ListBoxStyle Style() const { return style_; }
    void SetStyle(ListBoxStyle style);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);

    // The item under P (client coordinates), or -1.
    int ItemAtPos(Point p) const;
    // Runs only where no native list takes the mouse (headless): a left press selects the item
    // under the pointer as the user's choice; a double press then raises OnDblClick.
    void MouseDown(MouseButton b, Shift s, Point p) override;

    // Headless rendering: the visible items, each through DrawItem.
    void Paint(Canvas& canvas) override;
    // Draws item INDEX in R: owner-drawn lists through OnDrawItem when set, others the
    // standard way.
    virtual void DrawItem(Canvas& canvas, int index, const Rect& r, bool selected);
    // Draws item INDEX in R the standard way (selection highlighted).
    void DrawItemDefault(Canvas& canvas, int index, const Rect& r, bool selected);

    std::function<void()> OnChange;
    // Owner drawing: (canvas, index, rectangle, selected).
    std::function<void(Canvas&, int, const Rect&, bool)> OnDrawItem;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    // The height of one row: the item height when owner-drawn, else the font's text height.
    int RowHeight() const;
    bool SortsBefore(const std::string& a, const std::string& b) const;
    void SortItems();
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    bool sorted_ = false;
    ListBoxStyle style_ = ListBoxStyle::Standard;
    int itemHeight_ = 13;
};

}  // namespace ui
