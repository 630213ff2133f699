#pragma once
// ui::FileListBox as an owner-drawn LISTBOX: each entry's name drawn by the model, with the
// shell's small icon of the file in the glyph box.

#include <map>
#include <string>

#include "platform/win32/ui/list_box_peer.h"

namespace ui {
class FileListBox;
}

namespace platform::win32 {

class FileListBoxPeer final : public ListBoxPeer {
  public:
    FileListBoxPeer(Win32State& state, ui::FileListBox& list);

    // Another folder forgets the icons of the one before.
    void Changed(ui::Change what) override;

  protected:
    void DrawListItem(GdiCanvas& canvas, int index, const ui::Rect& r, bool selected) override;

  private:
    // The index of PATH's icon in the system's small image list (asked once per path); -1 when
    // the shell has none.
    int IconIndex(const std::string& path);

    ui::FileListBox& files_;
    std::map<std::string, int> icons_;  // by full path
    std::string iconsOf_;               // the folder they belong to
};

}  // namespace platform::win32
