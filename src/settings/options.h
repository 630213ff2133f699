#pragma once
// The user's options for a program run: a model owned by start-up. The options window's check
// boxes are bound to it (CheckBoxBinding), so a box and its option cannot disagree and the box
// stays the live store; the other windows read the options here, never the window.

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

struct Options {
    // "Sound in Skarvel" ([Sound] ALL): ticked by design.
    Switch sound{true};
    // "Automatic Clear Log" ([Log] Auto_Clear): the log manager clears the log folder at its
    // creation while this is on. Off by design.
    Switch autoClearLog{false};
    // The colour box's position in the colour list ([color] 1), -1 when nothing is selected:
    // every window's header bars and panels take the colour there (ColorForIndex).
    int colorIndex = kDefaultColorIndex;
};

}  // namespace settings
