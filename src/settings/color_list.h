#pragma once
// The 50 colours of the options window's colour box; the settings file stores a position in
// this list. Positions 20 to 49 are system colours, resolved by the backend when painted.

#include <array>
#include <string_view>

#include "ui/color.h"

namespace settings {

struct NamedColor {
    std::string_view name;
    ui::Color value;
};

inline constexpr int kColorCount = 50;
inline constexpr int kDefaultColorIndex = 6;  // clTeal

extern const std::array<NamedColor, kColorCount> kColorList;

// True when INDEX selects an entry of the list.
constexpr bool IsColorIndex(int index) {
    return index >= 0 && index < kColorCount;
}
// The colour the windows take for a stored INDEX: the entry, or the scroll-bar system colour
// when the colour box has no selection.
ui::Color ColorForIndex(int index);

}  // namespace settings
