#pragma once
// A shell folder view (standard control): the items of a folder or of the recycle bin, listed
// through platform::ShellFolder, filtered and sorted here. The item list is the model; the
// native list view mirrors it with the system icons. While it shows a root it watches it and
// re-reads the listing when the shell reports a change (polled on a timer).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_folder.h"
#include "ui/column_titles.h"
#include "ui/control.h"

namespace ui {

class Timer;

enum class ViewStyle { List, Icon, Report, SmallIcon };

class ShellListView : public Control, public ColumnTitleHost {
  public:
    // The root name of the recycle bin.
    static constexpr std::string_view kRecycleBin = "rfRecycleBin";
    static constexpr int kColumnCount = 4;  // Name, Size, Type, Modified
    // How often the watch of the root is polled.
    static constexpr int kPollInterval = 500;

    ShellListView(Control* parent, platform::ShellFolder* shell = nullptr);
    ~ShellListView() override;

    bool WantsKey(int key) const override;

    // Where listings come from. Setting it re-reads the current root.
    void SetShellFolder(platform::ShellFolder* shell);
    platform::ShellFolder* GetShellFolder() const { return shell_; }

    // A folder path or kRecycleBin. Setting the root it already has does nothing; a new root
    // is read at once. A folder that cannot be listed shows no items (ListingFailed()).
    const std::string& Root() const { return root_; }
    void SetRoot(const std::string& root);
    // Sets the root as SetRoot does, but reads and watches it at the next timer tick, which
    // comes after the windows have painted: a window shows before a long listing. A read
    // meanwhile (SetRoot, Refresh) takes its place.
    void SetRootSoon(const std::string& root);
    bool RootIsRecycleBin() const { return root_ == kRecycleBin; }
    // The root is a folder path (not the recycle bin) that exists now.
    bool RootIsFolder() const;
    // Re-reads the root and tells the native view.
    void Refresh();
    bool ListingFailed() const { return failed_; }

    // The shown items, filtered and in display order.
    const std::vector<platform::ShellItem>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Grows with every change of the shown items (not of the selection).
    int Generation() const { return generation_; }
    // Column texts of item INDEX: 0 name, 1 size ("12 KB", "" for folders), 2 type, 3 empty
    // (the native view formats the time in the user's locale).
    std::string ColumnText(int index, int column) const;
    static std::string SizeText(const platform::ShellItem& item);

    // Selection: -1 for none.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    void SetItemIndexFromPeer(int index);

    ViewStyle GetViewStyle() const { return viewStyle_; }
    void SetViewStyle(ViewStyle style);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on);
    // Folders first, then by name without regard to case; off: the shell's order.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);
    bool ShowFolders() const { return showFolders_; }
    void SetShowFolders(bool on);
    bool ShowFiles() const { return showFiles_; }
    void SetShowFiles(bool on);
    bool ShowHidden() const { return showHidden_; }
    void SetShowHidden(bool on);
    // Re-read on changes of the root (on by default).
    bool AutoRefresh() const { return autoRefresh_; }
    void SetAutoRefresh(bool on);

    const std::string& ColumnTitle(int column) const;
    void SetColumnTitle(int column, const std::string& title) override;

    // Checks the watch now (the timer calls this); re-reads when the root changed.
    void PollChanges();

    // Headless rendering: report rows (name, size, type) on the control's colour.
    void Paint(Canvas& canvas) override;

    // After every re-read.
    std::function<void()> OnChange;
    std::function<void()> OnSelectItem;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    void ReadRoot();
    void ApplyFilter();
    void Rewatch();

    platform::ShellFolder* shell_ = nullptr;
    std::string root_;
    bool failed_ = false;
    std::vector<platform::ShellItem> all_;
    std::vector<platform::ShellItem> items_;
    int itemIndex_ = -1;
    int generation_ = 0;
    ViewStyle viewStyle_ = ViewStyle::Report;
    bool gridLines_ = false;
    bool hotTrack_ = false;
    bool sorted_ = true;
    bool showFolders_ = true;
    bool showFiles_ = true;
    bool showHidden_ = false;
    bool autoRefresh_ = true;
    std::string titles_[kColumnCount] = {"Name", "Size", "Type", "Modified"};
    std::unique_ptr<platform::FolderWatch> watch_;
    std::unique_ptr<Timer> timer_;
    std::unique_ptr<Timer> readSoon_;  // one tick, for SetRootSoon
};

}  // namespace ui
