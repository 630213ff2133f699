#pragma once
// The XP-style radio button: a painted circle with a green dot. Checking one unchecks the
// other radio buttons of the same parent; Tab reaches the checked one, the arrow keys the
// others.

#include "controls/xp_check_control.h"

namespace controls {

class TKVZXPRadioButton : public XPCheckControl {
  public:
    explicit TKVZXPRadioButton(ui::Control* parent);

    bool Checked() const { return checked_; }
    // Checking (a change to true) unchecks the siblings and raises OnClick, also from code.
    // TabStop follows the value.
    void SetChecked(bool c);

    // A user click: check, then OnClick. On an unchecked button OnClick thus fires twice.
    void Click() override;
    void Paint(ui::Canvas& canvas) override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::RadioButton; }
    ui::AccessState AccessibleState() const override {
        return XPCheckControl::AccessibleState() | (checked_ ? ui::access_state::kChecked : 0);
    }
    std::string AccessibleDefaultAction() const override { return "Check"; }
    // The arrow keys move between the radio buttons of one parent, checking the one reached.
    bool InArrowGroupWith(const ui::Control& other) const override {
        return dynamic_cast<const TKVZXPRadioButton*>(&other) != nullptr;
    }

  protected:
    void AcceleratorAction() override { SetChecked(true); }
    void FocusedWithoutMouse() override { SetChecked(true); }

  private:
    bool checked_ = false;
};

}  // namespace controls
