#pragma once
// Binds a colour box to the colour option for the binding's lifetime: the box selects the
// option's position, and a change of either (the user's choice, or code selecting in the box
// or setting the option) reaches the other at once.

#include "settings/options.h"
#include "ui/color_box.h"

namespace settings {

class ColorBoxBinding {
  public:
    ColorBoxBinding(ui::ColorBox& box, ColorChoice& option);
    ~ColorBoxBinding();
    ColorBoxBinding(const ColorBoxBinding&) = delete;
    ColorBoxBinding& operator=(const ColorBoxBinding&) = delete;

  private:
    ui::ColorBox& box_;
    ColorChoice& option_;
};

}  // namespace settings
