#include "ui/list_view.h"

#include "ui/application.h"
#include "ui/peer_factory.h"

namespace ui {

ListView::ListView(Control* parent) : Control(parent) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

ListView::~ListView() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ListView::CreatePeer(PeerFactory& factory) {
    return factory.MakeListView(*this);
}

bool ListView::WantsKey(int key) const {
    return key == key::kUp || key == key::kDown || key == key::kLeft || key == key::kRight ||
           key == key::kPrior || key == key::kNext || key == key::kHome || key == key::kEnd;
}

void ListView::AddColumn(ListColumn column) {
    columns_.push_back(std::move(column));
    NotifyPeer(Change::Style);
    Invalidate();
}

void ListView::SetColumnTitle(int column, const std::string& title) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    columns_[static_cast<size_t>(column)].title = title;
    NotifyPeer(Change::Caption);
    Invalidate();
}

std::string ListView::Cell(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0) return {};
    const Row& cells = rows_[static_cast<size_t>(row)];
    return column < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(column)]
                                                   : std::string();
}

void ListView::SetRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    itemIndex_ = -1;
    NotifyPeer(Change::Model);
    Invalidate();
}

void ListView::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    NotifyPeer(Change::Model);
    Invalidate();
}

void ListView::SetItemIndexFromPeer(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    Invalidate();
    if (OnSelectItem) OnSelectItem();
}

void ListView::StyleChanged() {
    NotifyPeer(Change::Style);
    Invalidate();
}

void ListView::SetGridLines(bool on) {
    gridLines_ = on;
    StyleChanged();
}

void ListView::SetRowSelect(bool on) {
    rowSelect_ = on;
    StyleChanged();
}

void ListView::SetBorder(bool on) {
    border_ = on;
    StyleChanged();
}

void ListView::Paint(Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    canvas.textBackground = clNone;
    const int height = canvas.TextHeight("0") + 2;
    auto drawRow = [&](int y, auto&& text) {
        int x = 0;
        for (size_t c = 0; c < columns_.size(); ++c) {
            const int width = columns_[c].width;
            if (width > 0) {
                CanvasStateGuard guard(canvas);
                canvas.SetClip({x, y, x + width, y + height});
                canvas.TextAt(x + 2, y + 1, text(c));
            }
            x += width;
        }
    };
    drawRow(0, [&](size_t c) { return columns_[c].title; });
    int y = height;
    for (int r = 0; r < Count() && y < Height(); ++r, y += height) {
        if (r == itemIndex_) canvas.FillRect({0, y, Width(), y + height}, clHighlight);
        drawRow(y, [&](size_t c) { return Cell(r, static_cast<int>(c)); });
    }
}

}  // namespace ui
