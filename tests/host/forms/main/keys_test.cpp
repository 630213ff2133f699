// The main window's keys run what its buttons run, and Escape closes the windows they open.

#include "engine/tweaks.h"
#include "forms/log_manager/log_manager_form.h"
#include "host/tab_to.h"
#include "main_form_fixture.h"

namespace mainformtest {
namespace {

using ui::shift::kCtrl;
using ui::shift::kNone;
using ui::shift::kShift;

class Keys : public MainFormTest {
  protected:
    std::string TempFile() const { return system.tempFolder + "old.tmp"; }

    // The state before each press: box 2 ("Temp(User)") alone ticked, a file in the user's
    // temp folder, only the main window shown, the focus in box 2.
    void Reset() {
        for (int n = 1; n <= 27; ++n) Form().CheckBox(n).SetChecked(n == 2);
        if (!fakes.files.Exists(TempFile())) fakes.files.AddFile(TempFile(), "x");
        for (const forms::ListedWindow& w : windows->Windows())
            if (w.form != &Form()) w.form->Hide();
        Form().Label2.SetCaption("");
        ASSERT_TRUE(hosttest::TabTo(backend, Form().KVZXPCheckBox2));
        TakeTrace();
    }
    // What the user can tell after an action.
    std::string Outcome() {
        std::string shown;
        for (const forms::ListedWindow& w : windows->Windows())
            if (w.form != &Form() && w.form->Visible()) shown += w.form->Name() + " ";
        std::string out = "boxes [" + CheckedBoxes() + "] shown [" + shown + "] status [" +
                          Form().Label2.Caption() + "] temp file " +
                          (fakes.files.Exists(TempFile()) ? "kept" : "gone");
        for (const std::string& e : TakeTrace()) out += " | " + e;
        return out;
    }
};

TEST_F(Keys, EachKeyRunsWhatAClickOnItsButtonRunsAndItsHintShowsIt) {
    struct Row {
        int key;
        ui::Shift mods;
        controls::TKVZXPSpeedButton TForm1::*button;
        const char* hint;
    };
    const Row rows[] = {
        {ui::key::kF5, kNone, &TForm1::KVZXPSpeedButton10, "Begin (F5)"},
        {'A', kCtrl, &TForm1::KVZXPSpeedButton3, "All (Ctrl+A)"},
        {'A', kCtrl | kShift, &TForm1::KVZXPSpeedButton4, "Nothing (Ctrl+Shift+A)"},
        {ui::key::kF1, kNone, &TForm1::KVZXPSpeedButton1, "Help (F1)"},
        {'L', kCtrl, &TForm1::KVZXPSpeedButton11, "Log Manager (Ctrl+L)"},
        {'D', kCtrl, &TForm1::KVZXPSpeedButton12, "DIsk Manager (Ctrl+D)"},
        {'P', kCtrl, &TForm1::KVZXPSpeedButton13, "process Manager (Ctrl+P)"},
        {'T', kCtrl, &TForm1::KVZXPSpeedButton14, "Type Manager (Ctrl+T)"},
        {'O', kCtrl, &TForm1::KVZXPSpeedButton9, "Mechanical Options (Ctrl+O)"},
    };
    TForm1& form = Start();
    form.ShowForm();
    Reset();
    const std::string untouched = Outcome();
    for (const Row& row : rows) {
        controls::TKVZXPSpeedButton& button = form.*row.button;
        SCOPED_TRACE(row.hint);
        Reset();
        ClickOn(button);
        const std::string clicked = Outcome();
        Reset();
        backend.PressKey(row.key, row.mods);
        EXPECT_EQ(Outcome(), clicked);
        EXPECT_NE(clicked, untouched) << "the button does something to compare";
        EXPECT_EQ(button.Parent()->HintAt(button.Bounds().TopLeft() + ui::Point{2, 2}), row.hint);
    }
    // Without the modifier the letter is an ordinary key.
    Reset();
    backend.PressKey('A');
    EXPECT_EQ(Outcome(), untouched);
}

TEST_F(Keys, EscapeClosesEachWindowTheKeysOpenAndADisabledButtonIgnoresItsKey) {
    TForm1& form = Start();
    form.ShowForm();
    const std::pair<int, ui::Shift> opens[] = {{ui::key::kF1, kNone}, {'L', kCtrl}, {'D', kCtrl},
                                               {'P', kCtrl},          {'T', kCtrl}, {'O', kCtrl}};
    for (auto [key, mods] : opens) {
        Reset();
        backend.PressKey(key, mods);
        ui::Form* opened = backend.Focused() ? backend.Focused()->GetForm() : nullptr;
        ASSERT_TRUE(opened && opened != &form) << "the window opened takes the keyboard";
        ASSERT_TRUE(opened->Visible());
        backend.PressKey(ui::key::kEscape);
        EXPECT_FALSE(opened->Visible()) << opened->Name();
    }
    Reset();
    form.KVZXPSpeedButton10.SetEnabled(false);
    backend.PressKey(ui::key::kF5);
    EXPECT_TRUE(fakes.files.Exists(TempFile()));
}

// The hints name their keys in the language of the interface: the language file's key names,
// English without one.
TEST_F(Keys, HintsNameTheirKeysInTheInterfacesLanguage) {
    const std::string language = system.applicationFolder + "Language\\Deutsch.MordaunLang";
    fakes.files.AddFile(language,
                        "\xEF\xBB\xBF[MainForm]\r\nHint_All=Alle ausw\xC3\xA4hlen\r\n"
                        "Hint_Nothing=Keine ausw\xC3\xA4hlen\r\nExit=Beenden\r\n"
                        "[LogForm]\r\nHint_Copy All Logs=Alle Protokolle kopieren\r\n"
                        "[Keys]\r\nCtrl=Strg\r\nShift=Umschalt\r\n");
    fakes.profile.WriteString(system.applicationFolder + "Mordaun.ini", "Laguage", "LangResultFile",
                              language);
    TForm1& form = Start();
    TForm4& logs = windows->Get<TForm4>();
    const std::pair<controls::TKVZXPSpeedButton*, const char*> hints[] = {
        {&form.KVZXPSpeedButton3, "Alle ausw\xC3\xA4hlen (Strg+A)"},
        {&form.KVZXPSpeedButton4, "Keine ausw\xC3\xA4hlen (Strg+Umschalt+A)"},
        {&form.KVZXPSpeedButton10, "Begin (F5)"},
        {&logs.KVZXPSpeedButton2, "Alle Protokolle kopieren (Strg+1)"},
        {&logs.KVZXPSpeedButton1, "Dell All Logs (Strg+2)"},
        {&logs.KVZXPSpeedButton3, "Beenden (Esc)"},  // a key name the file leaves English
    };
    for (const auto& [button, hint] : hints)
        EXPECT_EQ(button->Parent()->HintAt(button->Bounds().TopLeft() + ui::Point{2, 2}), hint);
}

// Every radio option from the keyboard alone (Tab to the pair's checked button, an arrow to
// the other), and the arrows between the boxes of a group, ticking none; the run then applies
// the choices made.
TEST_F(Keys, TheKeyboardAloneChoosesEveryRadioOption) {
    TForm1& form = Start();
    form.ShowForm();
    ASSERT_TRUE(hosttest::TabTo(backend, form.KVZXPCheckBox1));
    backend.PressKey(ui::key::kDown);
    EXPECT_EQ(backend.Focused(), &form.KVZXPCheckBox2);
    backend.PressKey(ui::key::kUp);
    backend.PressKey(ui::key::kUp);
    EXPECT_EQ(backend.Focused(), &form.KVZXPCheckBox3) << "round the group";
    const std::pair<controls::TKVZXPRadioButton*, controls::TKVZXPRadioButton*> pairs[] = {
        {&form.KVZXPRadioButton1, &form.KVZXPRadioButton2},
        {&form.KVZXPRadioButton3, &form.KVZXPRadioButton4},
        {&form.KVZXPRadioButton5, &form.KVZXPRadioButton6}};
    for (auto [first, second] : pairs) {
        ASSERT_TRUE(hosttest::TabTo(backend, *first));
        backend.PressKey(ui::key::kDown);
        EXPECT_EQ(backend.Focused(), second);
        EXPECT_TRUE(second->Checked() && !first->Checked()) << second->Caption();
    }
    EXPECT_EQ(CheckedBoxes(), "");
    fakes.registry.log.clear();
    backend.PressKey(ui::key::kF5);
    const fakes::FakeRegistry::Value* debugger =
        fakes.registry.Find(platform::RegistryRoot::LocalMachine, engine::kAeDebugKey, "Auto");
    ASSERT_NE(debugger, nullptr);
    EXPECT_EQ(debugger->data.front(), '1') << "Dr. Watson switched on";
    for (const std::string& op : fakes.registry.log)
        EXPECT_FALSE(op.starts_with("set hkcu")) << "no policy written: " << op;
    EXPECT_EQ(form.Label2.Caption(), "Completed clean");
}

// The walk the README and the note give: from the opened program, keys only.
TEST_F(Keys, ACleanWithTempUserAndEveryWindowOpenedAndClosedWithTheKeyboardAlone) {
    TForm1& form = Start();
    fakes.files.AddFile(TempFile(), "x");
    form.ShowForm();
    backend.PressKey(ui::key::kTab);
    backend.PressKey(ui::key::kTab);
    ASSERT_EQ(backend.Focused(), &form.KVZXPCheckBox2) << "Temp(User) is the second stop";
    backend.PressKey(ui::key::kSpace);
    ASSERT_TRUE(form.KVZXPCheckBox2.Checked());
    backend.PressKey(ui::key::kF5);
    EXPECT_FALSE(fakes.files.Exists(TempFile()));
    EXPECT_EQ(form.Label2.Caption(), "Completed clean");

    const std::pair<int, ui::Shift> opens[] = {{ui::key::kF1, kNone}, {'L', kCtrl}, {'D', kCtrl},
                                               {'P', kCtrl},          {'T', kCtrl}, {'O', kCtrl}};
    for (auto [key, mods] : opens) {
        backend.PressKey(key, mods);
        ui::Form* opened = backend.Focused() ? backend.Focused()->GetForm() : nullptr;
        ASSERT_TRUE(opened && opened != &form && opened->Visible());
        backend.PressKey(ui::key::kEscape);
        EXPECT_FALSE(opened->Visible()) << opened->Name();
        ASSERT_EQ(backend.Focused(), &form.KVZXPCheckBox2) << "the keyboard is back where it was";
        form.Timer1Timer();  // the main window is enabled again once no tool window shows
    }
}

}  // namespace
}  // namespace mainformtest
