#pragma once
// How keys are written in hints and help ("F5", "Ctrl+Shift+A", "Esc"), with the names of the
// modifier and special keys in the language of the interface.

#include <string>

#include "ui/input.h"

namespace ui {

// The words a key's name is made of; English until a language file says otherwise. The
// application keeps one (Application::Shared), which every hint reads when it is shown.
struct KeyNames {
    std::string ctrl = "Ctrl";
    std::string alt = "Alt";
    std::string shift = "Shift";
    std::string esc = "Esc";
    std::string enter = "Enter";
    std::string space = "Space";
    std::string del = "Del";
};

// KEY with the modifiers MODS, e.g. "Ctrl+Shift+A".
std::string KeyName(int key, Shift mods, const KeyNames& names = {});

}  // namespace ui
