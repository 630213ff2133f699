#pragma once
// A report list view (standard control): titled columns over rows of text cells, one row
// selected at a time. The columns and rows are the model; the native list view mirrors them.

#include <functional>
#include <string>
#include <vector>

#include "ui/column_titles.h"
#include "ui/control.h"
#include "ui/label.h"

namespace ui {

struct ListColumn {
    std::string title;
    int width = 50;
    Alignment alignment = Alignment::Left;
    bool operator==(const ListColumn&) const = default;
};

class ListView : public Control, public ColumnTitleHost {
  public:
    using Row = std::vector<std::string>;

    explicit ListView(Control* parent);
    ~ListView() override;

    bool WantsKey(int key) const override;

    const std::vector<ListColumn>& Columns() const { return columns_; }
    void AddColumn(ListColumn column);
    void SetColumnTitle(int column, const std::string& title) override;

    // One text per column; a row shorter than the columns leaves the rest empty.
    const std::vector<Row>& Rows() const { return rows_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    // The text of ROW at COLUMN; "" outside the table.
    std::string Cell(int row, int column) const;
    void SetRows(std::vector<Row> rows);
    void ClearRows() { SetRows({}); }

    // -1 for no selection.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The native control reports the user's selection.
    void SetItemIndexFromPeer(int index);

    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on);
    // The selection highlights the whole row, not only the first cell.
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on);
    // A sunken border around the list.
    bool Border() const { return border_; }
    void SetBorder(bool on);

    // Headless rendering: the titles, then the rows, each cell at its column.
    void Paint(Canvas& canvas) override;

    std::function<void()> OnSelectItem;
    // A click on the title of COLUMN (the list's sorting is the owner's to do).
    void ColumnClick(int column) {
        if (OnColumnClick) OnColumnClick(column);
    }
    std::function<void(int column)> OnColumnClick;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    void StyleChanged();

    std::vector<ListColumn> columns_;
    std::vector<Row> rows_;
    int itemIndex_ = -1;
    bool gridLines_ = false;
    bool rowSelect_ = false;
    bool border_ = true;
};

}  // namespace ui
