#pragma once
#include <string>

#include "ui/color.h"

namespace ui {

struct Font {
    std::string name = "Tahoma";
    int size = 8;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = clWindowText;

    // Pixel height of the character cell at 96 dpi (size * 96 / 72, rounded).
    int PixelHeight() const { return (size * 96 + 36) / 72; }
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace ui
