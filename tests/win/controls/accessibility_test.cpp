// What a screen reader gets from the painted controls, through the system's own entry point
// (AccessibleObjectFromWindow), in process: a check box and a window-less speed button.

#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "controls/glyphs/button_glyphs.h"
#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_speed_button.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

using platform::win32::ComPtr;

HWND HwndOf(const ui::Control& c) {
    return static_cast<HWND>(c.Peer()->NativeHandle());
}

VARIANT Child(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Text(IAccessible& object, LONG id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    if ((object.*get)(Child(id), &text) != S_OK || !text) return "";
    std::string out = platform::win32::Narrow(text);
    SysFreeString(text);
    return out;
}

LONG Number(IAccessible& object, LONG id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ((object.*get)(Child(id), &v), S_OK);
    return v.vt == VT_I4 ? v.lVal : -1;
}

class Accessibility : public ::testing::Test {
  protected:
    Accessibility() {
        EXPECT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        form.SetClientSize(300, 120);
        box.SetBounds(10, 10, 150, 17);
        box.SetCaption("Temp(&User)");
        box.SetTabStop(true);
        box.OnClick = [this] { ++boxClicks; };
        button.SetBounds(200, 10, 48, 35);
        button.SetGlyph(glyphs::BeginGlyph());
        button.SetHint("Begin");
        button.OnClick = [this] { ++buttonClicks; };
        form.AddShortcut(ui::key::kF5, ui::shift::kNone, button);
        form.ShowForm();
        backend.ProcessMessages();
    }
    ~Accessibility() override {
        form.Hide();
        OleUninitialize();
    }
    ComPtr<IAccessible> ObjectOf(const ui::Control& c) {
        ComPtr<IAccessible> object;
        EXPECT_EQ(AccessibleObjectFromWindow(HwndOf(c), static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, object.OutVoid()),
                  S_OK);
        return object;
    }

    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    controls::TKVZXPCheckBox box{&form};
    controls::TKVZXPSpeedButton button{&form};
    int boxClicks = 0;
    int buttonClicks = 0;
};

TEST_F(Accessibility, ACheckBoxTellsItsRoleCaptionAndStateAndTogglesOnItsDefaultAction) {
    ComPtr<IAccessible> object = ObjectOf(box);
    ASSERT_TRUE(object);
    IAccessible& a = *object.Get();
    EXPECT_EQ(Number(a, CHILDID_SELF, &IAccessible::get_accRole), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(Text(a, CHILDID_SELF, &IAccessible::get_accName), "Temp(User)");
    EXPECT_EQ(Number(a, CHILDID_SELF, &IAccessible::get_accState) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(Text(a, CHILDID_SELF, &IAccessible::get_accDefaultAction), "Check");

    // A mouse click checks it, and the object says so.
    SendMessageW(HwndOf(box), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageW(HwndOf(box), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    ASSERT_TRUE(box.Checked());
    EXPECT_NE(Number(a, CHILDID_SELF, &IAccessible::get_accState) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(Text(a, CHILDID_SELF, &IAccessible::get_accDefaultAction), "Uncheck");

    // The default action is a click: it unchecks and runs the click handler.
    EXPECT_EQ(a.accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(boxClicks, 2);
    EXPECT_EQ(Number(a, CHILDID_SELF, &IAccessible::get_accState) & STATE_SYSTEM_CHECKED, 0);

    box.SetEnabled(false);
    EXPECT_NE(Number(a, CHILDID_SELF, &IAccessible::get_accState) & STATE_SYSTEM_UNAVAILABLE, 0);
}

TEST_F(Accessibility, ASpeedButtonIsAChildOfItsWindowNamedByItsHintAndPressesOnItsDefaultAction) {
    ComPtr<IAccessible> object = ObjectOf(form);
    ASSERT_TRUE(object);
    IAccessible& a = *object.Get();
    LONG count = 0;
    ASSERT_EQ(a.get_accChildCount(&count), S_OK);
    LONG found = 0;
    for (LONG id = 1; id <= count; ++id)
        if (Text(a, id, &IAccessible::get_accName) == "Begin") found = id;
    ASSERT_NE(found, 0) << "the speed button among " << count << " children";
    EXPECT_EQ(Number(a, found, &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Text(a, found, &IAccessible::get_accDefaultAction), "Press");
    EXPECT_EQ(Text(a, found, &IAccessible::get_accKeyboardShortcut), "F5");
    IDispatch* none = nullptr;
    EXPECT_EQ(a.get_accChild(Child(found), &none), S_FALSE) << "a simple element";

    // Its place is the button's on the screen, and the point hits it.
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(a.accLocation(&x, &y, &w, &h, Child(found)), S_OK);
    POINT origin{200, 10};
    ClientToScreen(HwndOf(form), &origin);
    EXPECT_EQ(x, origin.x);
    EXPECT_EQ(y, origin.y);
    EXPECT_EQ(w, 48);
    EXPECT_EQ(h, 35);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(a.accHitTest(x + 5, y + 5, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, found);

    EXPECT_EQ(a.accDoDefaultAction(Child(found)), S_OK);
    EXPECT_EQ(buttonClicks, 1);
}

}  // namespace
