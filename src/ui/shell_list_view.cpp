#include "ui/shell_list_view.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/peer_factory.h"
#include "ui/timer.h"

namespace ui {

ShellListView::ShellListView(Control* parent, platform::ShellFolder* shell)
    : Control(parent), shell_(shell) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
    timer_ = std::make_unique<Timer>(App());
    timer_->SetInterval(kPollInterval);
    timer_->SetEnabled(false);
    timer_->OnTimer = [this] { PollChanges(); };
    readSoon_ = std::make_unique<Timer>(App());
    readSoon_->SetInterval(1);
    readSoon_->SetEnabled(false);
    readSoon_->OnTimer = [this] {
        Rewatch();
        ReadRoot();
    };
}

ShellListView::~ShellListView() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ShellListView::CreatePeer(PeerFactory& factory) {
    return factory.MakeShellListView(*this);
}

bool ShellListView::WantsKey(int key) const {
    return key == key::kUp || key == key::kDown || key == key::kLeft || key == key::kRight ||
           key == key::kPrior || key == key::kNext || key == key::kHome || key == key::kEnd;
}

void ShellListView::SetShellFolder(platform::ShellFolder* shell) {
    shell_ = shell;
    Rewatch();
    ReadRoot();
}

void ShellListView::SetRoot(const std::string& root) {
    if (root == root_) return;
    root_ = root;
    Rewatch();
    ReadRoot();
}

void ShellListView::SetRootSoon(const std::string& root) {
    if (root == root_) return;
    root_ = root;
    watch_.reset();
    timer_->SetEnabled(false);
    readSoon_->SetEnabled(true);
}

bool ShellListView::RootIsFolder() const {
    return shell_ && !root_.empty() && !RootIsRecycleBin() && shell_->FolderExists(root_);
}

void ShellListView::Refresh() {
    // A watch that could not be set up (the folder appeared since) gets another chance.
    if (!watch_) Rewatch();
    ReadRoot();
}

void ShellListView::Rewatch() {
    watch_.reset();
    if (shell_ && autoRefresh_ && !root_.empty())
        watch_ = RootIsRecycleBin() ? shell_->WatchRecycleBin() : shell_->WatchFolder(root_);
    timer_->SetEnabled(watch_ != nullptr);
}

void ShellListView::PollChanges() {
    if (watch_ && watch_->Changed()) ReadRoot();
}

void ShellListView::ReadRoot() {
    readSoon_->SetEnabled(false);
    std::optional<std::vector<platform::ShellItem>> listing;
    if (shell_ && !root_.empty())
        listing = RootIsRecycleBin() ? shell_->ListRecycleBin() : shell_->ListFolder(root_);
    failed_ = !root_.empty() && !listing;
    all_ = listing ? std::move(*listing) : std::vector<platform::ShellItem>{};
    ApplyFilter();
    if (OnChange) OnChange();
}

void ShellListView::ApplyFilter() {
    // Keep the selected item selected when it is still listed.
    std::string selected = itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)].name : "";
    items_.clear();
    for (const platform::ShellItem& item : all_) {
        if (item.IsFolder() ? !showFolders_ : !showFiles_) continue;
        if (item.IsHidden() && !showHidden_) continue;
        items_.push_back(item);
    }
    if (sorted_) {
        // Folders before files, then by name as the platform orders names, then by exact name
        // so the order never depends on the shell's.
        const Backend& backend = App().GetBackend();
        std::stable_sort(items_.begin(), items_.end(),
                         [&backend](const platform::ShellItem& a, const platform::ShellItem& b) {
                             if (a.IsFolder() != b.IsFolder()) return a.IsFolder();
                             if (int order = backend.CollateNoCase(a.name, b.name))
                                 return order < 0;
                             return a.name < b.name;
                         });
    }
    ++generation_;
    itemIndex_ = -1;
    if (!selected.empty()) {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].name == selected) itemIndex_ = static_cast<int>(i);
    }
    NotifyPeer(Change::Model);
    Invalidate();
}

std::string ShellListView::SizeText(const platform::ShellItem& item) {
    if (item.IsFolder()) return "";
    // Whole kilobytes, rounded up, as the shell shows them.
    std::uint64_t kb = item.size / 1024 + (item.size % 1024 ? 1 : 0);
    return std::to_string(kb) + " KB";
}

std::string ShellListView::ColumnText(int index, int column) const {
    if (index < 0 || index >= Count()) return "";
    const platform::ShellItem& item = items_[static_cast<size_t>(index)];
    switch (column) {
        case 0:
            return item.name;
        case 1:
            return SizeText(item);
        case 2:
            return item.typeName;
        default:
            return "";
    }
}

void ShellListView::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    NotifyPeer(Change::Model);
    Invalidate();
}

void ShellListView::SetItemIndexFromPeer(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (OnSelectItem) OnSelectItem();
}

void ShellListView::SetViewStyle(ViewStyle style) {
    if (style == viewStyle_) return;
    viewStyle_ = style;
    NotifyPeer(Change::Style);
    Invalidate();
}

void ShellListView::SetGridLines(bool on) {
    gridLines_ = on;
    NotifyPeer(Change::Style);
}

void ShellListView::SetHotTrack(bool on) {
    hotTrack_ = on;
    NotifyPeer(Change::Style);
}

void ShellListView::SetSorted(bool on) {
    if (on == sorted_) return;
    sorted_ = on;
    ApplyFilter();
}

void ShellListView::SetShowFolders(bool on) {
    if (on == showFolders_) return;
    showFolders_ = on;
    ApplyFilter();
}

void ShellListView::SetShowFiles(bool on) {
    if (on == showFiles_) return;
    showFiles_ = on;
    ApplyFilter();
}

void ShellListView::SetShowHidden(bool on) {
    if (on == showHidden_) return;
    showHidden_ = on;
    ApplyFilter();
}

void ShellListView::SetAutoRefresh(bool on) {
    if (on == autoRefresh_) return;
    autoRefresh_ = on;
    Rewatch();
}

const std::string& ShellListView::ColumnTitle(int column) const {
    static const std::string none;
    return column >= 0 && column < kColumnCount ? titles_[column] : none;
}

void ShellListView::SetColumnTitle(int column, const std::string& title) {
    if (column < 0 || column >= kColumnCount) return;
    titles_[column] = title;
    NotifyPeer(Change::Caption);
    Invalidate();
}

void ShellListView::Paint(Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    canvas.textBackground = clNone;
    const int columns[] = {2, 150, 210};
    int height = canvas.TextHeight("0") + 2;
    int y = 1;
    if (viewStyle_ == ViewStyle::Report) {
        for (int c = 0; c < 3; ++c) canvas.TextAt(columns[c], y, titles_[c]);
        y += height;
    }
    for (int i = 0; i < Count() && y < Height(); ++i, y += height) {
        if (i == itemIndex_) canvas.FillRect({0, y, Width(), y + height}, clHighlight);
        int shown = viewStyle_ == ViewStyle::Report ? 3 : 1;
        for (int c = 0; c < shown; ++c) canvas.TextAt(columns[c], y + 1, ColumnText(i, c));
    }
}

}  // namespace ui
