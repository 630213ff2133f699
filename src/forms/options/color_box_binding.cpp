#include "forms/options/color_box_binding.h"

namespace settings {

ColorBoxBinding::ColorBoxBinding(ui::ColorBox& box, ColorChoice& option)
    : box_(box), option_(option) {
    box_.SetItemIndex(option_.Index());
    box_.OnSelectionChange = [this] { option_.Select(box_.ItemIndex()); };
    option_.OnChange = [this] { box_.SetItemIndex(option_.Index()); };
}

ColorBoxBinding::~ColorBoxBinding() {
    box_.OnSelectionChange = nullptr;
    option_.OnChange = nullptr;
}

}  // namespace settings
