#pragma once
// The user's options for a program run: a model owned by start-up. The options window's check
// boxes and colour box are bound to it (CheckBoxBinding, ColorBoxBinding), so a control and its
// option cannot disagree and the control stays the live store; the other windows read the
// options here, never the window.

#include <functional>

#include "settings/color_list.h"

namespace settings {

// One on/off option. OnChange tells its binding of every change.
class Switch {
  public:
    explicit Switch(bool on) : on_(on) {}
    bool On() const { return on_; }
    void Set(bool on) {
        if (on == on_) return;
        on_ = on;
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

  private:
    bool on_;
};

// The position chosen in the colour list; -1 when nothing is chosen.
class ColorChoice {
  public:
    int Index() const { return index_; }
    // A position outside the list chooses nothing.
    void Select(int index) {
        if (!IsColorIndex(index)) index = -1;
        if (index == index_) return;
        index_ = index;
        if (OnChange) OnChange();
    }
    // The colour the windows take: the entry, or the scroll-bar colour with nothing chosen.
    ui::Color Color() const { return ColorForIndex(index_); }
    std::function<void()> OnChange;

  private:
    int index_ = kDefaultColorIndex;
};

struct Options {
    // "Visible in tray" ([tray] Checked).
    Switch trayIcon{false};
    // "AutoRun with system" ([AutoRun] 1); the registry entry follows the user's clicks.
    Switch autoRun{false};
    // "Sound in Skarvel" ([Sound] ALL): ticked by design.
    Switch sound{true};
    // "Cost accounting": save the activity log at exit ([Log] ALL).
    Switch saveLog{false};
    // "Automatic Clear Log" ([Log] Auto_Clear), which the log manager reads at its creation.
    Switch autoClearLog{false};
    // The colour of every window's header and panel ([color] 1).
    ColorChoice color;
};

}  // namespace settings
