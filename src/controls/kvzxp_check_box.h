#pragma once
// The XP-style check box: a painted 13 x 13 box with a dark-teal frame, a white-to-grey face,
// an amber ring when hot and a green tick (or a green square when grayed).

#include <cstdint>
#include <functional>

#include "controls/xp_check_control.h"
#include "ui/bitmap.h"

namespace controls {

enum class TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TKVZXPCustomCheckBox : public XPCheckControl {
  public:
    explicit TKVZXPCustomCheckBox(ui::Control* parent);

    TCheckBoxState State() const { return state_; }
    // Setting the state from code repaints the box but raises no OnClick.
    void SetState(TCheckBoxState s);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool c) {
        SetState(c ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool a) { allowGrayed_ = a; }

    // Unchecked -> grayed (with AllowGrayed) or checked; checked -> unchecked; grayed -> checked.
    void Toggle();
    // A user click: toggle, then OnClick.
    void Click() override;
    void Paint(ui::Canvas& canvas) override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::CheckButton; }
    ui::AccessState AccessibleState() const override;
    std::string AccessibleDefaultAction() const override { return Checked() ? "Uncheck" : "Check"; }
    // The arrow keys move between the check boxes of one parent (a group box).
    bool InArrowGroupWith(const ui::Control& other) const override {
        return dynamic_cast<const TKVZXPCustomCheckBox*>(&other) != nullptr;
    }

    // After every change of the state, by the user or by code (a binding to a model listens).
    std::function<void()> OnStateChange;

  protected:
    void AcceleratorAction() override { Toggle(); }

  private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
    ui::Bitmap face_;
    ui::Bitmap ring_;
};

class TKVZXPCheckBox : public TKVZXPCustomCheckBox {
  public:
    using TKVZXPCustomCheckBox::TKVZXPCustomCheckBox;
};

}  // namespace controls
