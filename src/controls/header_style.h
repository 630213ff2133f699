#pragma once
// The look of a window's header bar: teal, disabled (greyed, no mouse), bold caption in
// #055CE0; and the header bar over its collapse panel, as every window lays the pair out. The
// main window, the options window and the tool windows share them.

#include <string>

#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_header.h"

namespace controls {

inline void StyleWindowHeader(TKVZXPHeader& header) {
    ui::Font f = header.GetFont();
    f.bold = true;
    f.color = ui::Hex(0x055CE0);
    header.SetFont(f);
    header.SetColor(ui::clTeal);
    header.SetEnabled(false);
}

// Where a header bar and its collapse panel go: the bar 40 pixels high at (LEFT, 0), the panel
// below it as wide, PANEL_HEIGHT high. NUMBER names them as designed (KVZXPHeaderN,
// KVZXPCollapsePanelN).
struct HeaderAndPanel {
    int number = 1;
    int left = 0;
    int width = 0;
    int panelHeight = 0;
    std::string caption;
    bool tealPanel = true;  // the panel's background teal (else the panel's own default)
    bool linked = false;    // the header collapses and expands the panel
};

inline void BuildHeaderAndPanel(TKVZXPHeader& header, TKVZXPCollapsePanel& panel,
                                const HeaderAndPanel& design) {
    const std::string n = std::to_string(design.number);
    header.SetName("KVZXPHeader" + n);
    header.SetBounds(design.left, 0, design.width, 40);
    header.SetCaption(design.caption);
    StyleWindowHeader(header);

    panel.SetName("KVZXPCollapsePanel" + n);
    panel.SetBounds(design.left, 40, design.width, design.panelHeight);
    if (design.tealPanel) panel.SetColorBackground(ui::clTeal);
    if (design.linked) {
        header.SetKVZXPCollapsePanel(&panel);
        header.Loaded();
    }
}

}  // namespace controls
