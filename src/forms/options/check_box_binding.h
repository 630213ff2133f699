#pragma once
// Binds a check box to an option for the binding's lifetime: the box shows the option, and a
// change of either (a click on the box, or code setting the box or the option) reaches the
// other at once. The binding lives no longer than the box (a member of the box's window).

#include "controls/kvzxp_check_box.h"
#include "settings/options.h"

namespace settings {

class CheckBoxBinding {
  public:
    CheckBoxBinding(controls::TKVZXPCheckBox& box, Switch& option);
    ~CheckBoxBinding();
    CheckBoxBinding(const CheckBoxBinding&) = delete;
    CheckBoxBinding& operator=(const CheckBoxBinding&) = delete;

  private:
    controls::TKVZXPCheckBox& box_;
    Switch& option_;
};

}  // namespace settings
