#include "forms/options/check_box_binding.h"

namespace settings {

CheckBoxBinding::CheckBoxBinding(controls::TKVZXPCheckBox& box, Switch& option)
    : box_(box), option_(option) {
    box_.SetChecked(option_.On());
    box_.OnStateChange = [this] { option_.Set(box_.Checked()); };
    option_.OnChange = [this] { box_.SetChecked(option_.On()); };
}

CheckBoxBinding::~CheckBoxBinding() {
    box_.OnStateChange = nullptr;
    option_.OnChange = nullptr;
}

}  // namespace settings
