#pragma once
// A list of the files of one folder (standard control): the names that match a mask and pass
// an attribute filter, sorted without regard to case, each with a small file glyph (the
// shell's icon of the file on Win32). The list is pointed at a folder; pointing it at the
// folder it already shows changes nothing, Refresh reads it again.

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "ui/list_box.h"

namespace ui {

class FileListBox : public ListBox {
  public:
    // Attributes that never keep a file out of the list.
    static constexpr std::uint32_t kAlwaysListed = platform::attr::kArchive;
    // The default filter: read-only and hidden files listed; system files, volume labels and
    // folders not.
    static constexpr std::uint32_t kDefaultFilter =
        platform::attr::kReadOnly | platform::attr::kHidden;
    // Width of the glyph box at the left of every item.
    static constexpr int kGlyphSize = 16;

    FileListBox(Control* parent, platform::FileSystem* files = nullptr);
    ~FileListBox() override;

    // Where listings come from. Setting it re-reads the current folder.
    void SetFileSystem(platform::FileSystem* files);

    // One or more masks separated by ";" ("*" any run, "?" one character, letters without
    // regard to case; "*.*" is every name). Changing it re-reads the folder. Default "*.*".
    const std::string& Mask() const { return mask_; }
    void SetMask(std::string mask);
    // The attribute bits (platform::attr) a listed entry may carry: an entry with the
    // read-only, hidden, system, volume-label or directory bit is listed only when that bit is
    // in FILTER. Changing it re-reads the folder.
    std::uint32_t AttributeFilter() const { return filter_; }
    void SetAttributeFilter(std::uint32_t filter);

    // The folder shown, without a trailing backslash; empty when the list points nowhere.
    const std::string& Directory() const { return directory_; }
    // Points the list at FOLDER. The folder it already shows (compared without regard to case
    // or a trailing backslash) changes nothing; another is read at once (a folder that cannot
    // be listed shows no entries). The selection is cleared by every read.
    void SetDirectory(const std::string& folder);
    // Reads the folder shown again.
    void Refresh();
    // Empties the list and points it nowhere.
    void Clear();

    // The full path of entry INDEX (folder, backslash, name); empty outside the list.
    std::string FullPath(int index) const;
    // The full path of the selected entry; empty with no selection.
    std::string FileName() const { return FullPath(ItemIndex()); }

    // Whether NAME passes the mask.
    bool MatchesMask(const std::string& name) const;
    // Whether an entry with ATTRIBUTES passes the attribute filter.
    bool PassesFilter(std::uint32_t attributes) const;

    // Background and name of item INDEX in R, with the glyph box at its left left empty.
    void DrawItemText(Canvas& canvas, int index, const Rect& r, bool selected);
    // The glyph box of the item drawn in R.
    static Rect GlyphRect(const Rect& r);
    // DrawItemText, and a plain page glyph where no shell icon is at hand (headless).
    void DrawItem(Canvas& canvas, int index, const Rect& r, bool selected) override;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    void Read();

    platform::FileSystem* files_ = nullptr;
    std::string mask_ = "*.*";
    std::uint32_t filter_ = kDefaultFilter;
    std::string directory_;
};

}  // namespace ui
