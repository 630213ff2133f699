#include "ui/key_names.h"

namespace ui {

std::string KeyName(int key, Shift mods, const KeyNames& names) {
    std::string text;
    if (mods & shift::kCtrl) text += names.ctrl + "+";
    if (mods & shift::kAlt) text += names.alt + "+";
    if (mods & shift::kShift) text += names.shift + "+";
    if (key >= key::kF1 && key < key::kF1 + 24)
        return text + "F" + std::to_string(key - key::kF1 + 1);
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return text + static_cast<char>(key);
    switch (key) {
        case key::kEscape:
            return text + names.esc;
        case key::kReturn:
            return text + names.enter;
        case key::kSpace:
            return text + names.space;
        case key::kDelete:
            return text + names.del;
        default:
            return text + "#" + std::to_string(key);
    }
}

}  // namespace ui
