#include "ui/dispatch.h"

#include "ui/control.h"
#include "ui/form.h"

namespace ui {

bool DispatchKeyDown(Control& focused, int key, Shift s) {
    Form* form = focused.GetForm();
    if (form && form->HandleShortcut(key, s)) return true;
    if (form && !focused.WantsKey(key) && form->HandleDialogKey(key, s)) return true;
    focused.KeyDown(key, s);
    return false;
}

void DispatchKeyUp(Control& focused, int key, Shift s) {
    focused.KeyUp(key, s);
}

void DispatchChar(Control& focused, char32_t ch, bool alt) {
    Form* form = focused.GetForm();
    if (!alt) {
        focused.KeyPress(ch);
        if (ch == 0 || focused.WantsKey(0)) return;
        if (ch < 0x20) return;
    }
    if (form) (void)form->HandleAccelerator(ch);
}

void DispatchFocusChange(Control* old, Control* now) {
    if (old == now) return;
    if (old) old->FocusExit();
    if (now) {
        Form* form = now->GetForm();
        if (form) form->SetActiveControl(now);
        now->FocusEnter();
        if (form) form->AnnounceFocus();
    }
}

void DispatchThemeChanged(Control& window) {
    window.ThemeChanged();
    for (Control* child : window.Children())
        if (!child->IsWindowed()) DispatchThemeChanged(*child);
}

}  // namespace ui
