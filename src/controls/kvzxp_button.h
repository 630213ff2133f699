#pragma once
// A focusable push button in the XP look: gradient face, rounded border, an amber ring while
// hot and a blue ring when focused or the dialog's default button. Enter clicks the active
// button, Escape the cancel button.

#include "controls/press_tracker.h"
#include "controls/xp_scheme.h"
#include "ui/bitmap.h"
#include "ui/control.h"

namespace controls {

class TKVZXPButton : public ui::Control {
  public:
    explicit TKVZXPButton(ui::Control* parent);
    ~TKVZXPButton() override;

    TXPScheme XPScheme() const { return scheme_; }
    void SetXPScheme(TXPScheme scheme);
    int PaletteIndex() const { return palette_; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool DrawFocusRect() const { return drawFocusRect_; }
    void SetDrawFocusRect(bool v);

    // Interaction state.
    bool Pressed() const { return press_.Pressed(); }
    bool Held() const { return press_.Held(); }
    bool Hot() const { return press_.Hot(); }
    // Shows the default-button look.
    bool Active() const { return active_; }

    void Click() override;
    void Paint(ui::Canvas& canvas) override;
    bool WantsKey(int key) const override;
    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseMove(ui::Shift s, ui::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, ui::Shift s) override;
    void KeyUp(int& key, ui::Shift s) override;
    void FocusEnter() override;
    void FocusExit() override;
    bool DialogChar(char32_t ch) override;
    void EnabledChanged() override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::PushButton; }
    ui::AccessState AccessibleState() const override;
    std::string AccessibleDefaultAction() const override { return "Press"; }
    void FocusAnnounced(ui::Control* focused) override;
    void ThemeChanged() override;

  private:
    bool Inside(ui::Point p) const;

    TXPScheme scheme_ = TXPScheme::xpBlue;
    int palette_ = kPaletteBlue;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    bool showAccelChar_ = true;
    bool wordWrap_ = false;
    bool drawFocusRect_ = false;
    PressTracker press_;
    bool active_ = false;
    ui::Bitmap face_;
    ui::Bitmap hotRing_;
    ui::Bitmap focusRing_;
};

}  // namespace controls
