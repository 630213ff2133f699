#pragma once
// The entries of the chosen cleaner definitions that are present here, at the bottom of the
// main window's category list: a group box per group (its name on the first row), a check box
// per entry. They are made when a file is loaded and go when another is.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_group_box.h"
#include "engine/definition_categories.h"
#include "ui/label.h"
#include "ui/scroll_box.h"

namespace app {

class DefinitionGroups {
  public:
    explicit DefinitionGroups(ui::ScrollBox& list) : list_(list) {}
    ~DefinitionGroups() { Clear(); }
    DefinitionGroups(const DefinitionGroups&) = delete;
    DefinitionGroups& operator=(const DefinitionGroups&) = delete;

    // Shows SET's present entries from TOP down, those in TICKED ticked; the boxes take the
    // list's colour.
    void Show(std::unique_ptr<engine::DefinitionSet> set, const std::vector<std::string>& ticked,
              int top);
    void Clear();
    bool Empty() const { return set_ == nullptr; }

    // The ids of the entries ticked, in the list's order.
    std::vector<std::string> Ticked() const;
    // The rows of the entries IDS names, in the list's order.
    std::vector<const engine::CategoryRow*> RowsOf(const std::set<std::string>& ids) const;
    void SetEnabled(bool enabled);
    // The check box of the entry ID, or null.
    controls::TKVZXPCheckBox* BoxOf(const std::string& id) const;

    // A box was clicked (it has toggled): its entry and the box.
    std::function<void(const engine::DefinitionCategory&, controls::TKVZXPCheckBox&)> OnClick;

  private:
    struct Group {
        std::unique_ptr<controls::TKVZXPGroupBox> box;
        std::unique_ptr<ui::Label> title;
        std::vector<std::unique_ptr<controls::TKVZXPCheckBox>> boxes;  // destroyed first
    };
    struct Entry {
        const engine::DefinitionCategory* category;
        controls::TKVZXPCheckBox* box;
    };

    ui::ScrollBox& list_;
    std::unique_ptr<engine::DefinitionSet> set_;
    std::vector<Group> groups_;
    std::vector<Entry> entries_;  // in the list's order
};

}  // namespace app
