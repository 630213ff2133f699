// The administrator's policy in the windows: a forced category box shows its state and keeps
// it, and the options window's scheduled cleaning writes the user's task unless a policy sets
// it.

#include "engine/policy.h"

#include "engine/scheduled_cleaning.h"
#include "main_form_fixture.h"
#include "settings/definitions_choice.h"
#include "settings/settings_file.h"

namespace mainformtest {
namespace {

using platform::RegistryRoot;

class Policy : public MainFormTest {
  protected:
    void SetPolicy(const std::string& sub, const std::string& name, std::uint32_t value) {
        fakes.registry
            .OpenKey(RegistryRoot::LocalMachine, std::string(engine::kPolicyKey) + "\\" + sub,
                     platform::KeyMode::CreateIfMissing)
            ->WriteDword(name, value);
    }
    void SetSchedulePolicy(const char* kind) {
        auto key = fakes.registry.OpenKey(RegistryRoot::CurrentUser, engine::kPolicyKey,
                                          platform::KeyMode::CreateIfMissing);
        key->WriteString("Schedule", kind);
        key->WriteString("ScheduleCategories", "recent");
    }
    const std::string task = "Skarvel cleaning (user)";
};

TEST_F(Policy, AForcedBoxShowsItsStateAndNoClickOrButtonChangesIt) {
    fakes.files.AddFile("C:\\WINDOWS\\temp\\old.tmp", "x");
    SetPolicy("Categories", "temp-windows", 1);
    SetPolicy("Categories", "temp-user", 0);
    TForm1& form = Start();
    for (controls::TKVZXPCheckBox* box : {&form.KVZXPCheckBox1, &form.KVZXPCheckBox2}) {
        EXPECT_FALSE(box->Enabled());
        EXPECT_EQ(box->Hint(), "set by your administrator");
    }
    EXPECT_TRUE(form.KVZXPCheckBox1.Checked());
    EXPECT_FALSE(form.KVZXPCheckBox2.Checked());
    ClickOn(form.KVZXPCheckBox1);
    ClickOn(form.KVZXPSpeedButton4);  // "Nothing"
    EXPECT_TRUE(form.KVZXPCheckBox1.Checked());
    ClickOn(form.KVZXPSpeedButton3);  // "All"
    ClickOn(form.WQMSpeedButton1);
    EXPECT_FALSE(form.KVZXPCheckBox2.Checked());
    EXPECT_TRUE(form.KVZXPCheckBox3.Checked()) << "an unforced box still follows";
    // A run re-enables its inputs, but not the forced boxes.
    ClickOn(form.KVZXPSpeedButton4);
    ClickOn(form.KVZXPSpeedButton10);
    EXPECT_FALSE(fakes.files.Exists("C:\\WINDOWS\\temp\\old.tmp"));
    EXPECT_FALSE(form.KVZXPCheckBox1.Enabled());
    EXPECT_TRUE(form.KVZXPCheckBox3.Enabled());
}

TEST_F(Policy, TheOptionsScheduleWritesTheTaskOfTheTickedCategories) {
    TForm1& form = Start();
    TForm2& options = windows->OptionsWindow();
    EXPECT_TRUE(options.KVZXPRadioButton5.Checked());  // "None": no task yet
    ClickOn(form.KVZXPCheckBox7);                      // "Recent"
    ClickOn(options.KVZXPRadioButton7);                // "Weekly"
    ASSERT_EQ(fakes.taskScheduler.tasks.count(task), 1u);
    auto schedule = engine::ScheduleOf(fakes.taskScheduler.tasks[task]);
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->trigger, platform::TaskTrigger::Weekly);
    EXPECT_EQ(schedule->ids, std::vector<std::string>{"recent"});
    ClickOn(options.KVZXPRadioButton5);
    EXPECT_TRUE(fakes.taskScheduler.tasks.empty());
}

TEST_F(Policy, AScheduleSetByPolicyIsMadeAndLocksTheChoice) {
    SetSchedulePolicy("daily");
    Start();
    TForm2& options = windows->OptionsWindow();
    ASSERT_EQ(fakes.taskScheduler.tasks.count(task), 1u);
    EXPECT_TRUE(options.KVZXPRadioButton6.Checked());
    EXPECT_FALSE(options.KVZXPRadioButton5.Enabled());
    EXPECT_EQ(options.KVZXPRadioButton5.Hint(), "set by your administrator");
    ClickOn(options.KVZXPRadioButton5);
    EXPECT_EQ(fakes.taskScheduler.tasks.count(task), 1u);
}

// The user chose their own definitions file; the administrator turns definitions off or fixes
// another file. Either way "Cleaner definitions" offers no choice and says why, and the user's
// own choice stays in the settings file for when the policy goes.
TEST_F(Policy, TheDefinitionsPolicyDecidesTheFileTheWindowReads) {
    const std::string mine = "C:\\mine.ini", admin = "C:\\admin.ini";
    fakes.files.AddFile(mine, "[Mine *]\nFileKey1=%WinDir%\\Temp|*.log\n");
    fakes.files.AddFile(admin, "[Admin *]\nFileKey1=%WinDir%\\Temp|*.bak\n");
    const auto choose = [&](const std::string& file) {
        settings::SettingsFile settings(fakes.system, fakes.files, fakes.profile);
        settings::WriteDefinitionsChoice(settings, {file, {}});
    };
    const auto chosen = [&] {
        settings::SettingsFile settings(fakes.system, fakes.files, fakes.profile);
        return settings::ReadDefinitionsChoice(settings).file;
    };
    const auto policyKey = [&] {
        return fakes.registry.OpenKey(RegistryRoot::LocalMachine, engine::kPolicyKey,
                                      platform::KeyMode::CreateIfMissing);
    };
    struct Case {
        const char* what;
        std::function<void()> set;
        std::string readFile;
    };
    const Case cases[] = {
        {"no policy", [] {}, mine},
        {"definitions off", [&] { policyKey()->WriteDword("AllowDefinitions", 0); }, ""},
        {"a fixed file", [&] { policyKey()->WriteString("DefinitionsFile", admin); }, admin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windows.reset();
        (void)fakes.registry.DeleteKeyTree(RegistryRoot::LocalMachine, engine::kPolicyKey);
        choose(mine);
        c.set();
        TForm1& form = Start();
        EXPECT_EQ(form.DefinitionsFile(), c.readFile);
        backend.ClearMessages();
        backend.nextOpenFileName = mine;
        const std::size_t dialogs = backend.OpenDialogRuns().size();
        ClickOn(form.KVZXPSpeedButton16);
        EXPECT_EQ(form.DefinitionsFile(), c.readFile) << "after the click";
        const bool locked = c.readFile != mine;
        EXPECT_EQ(backend.OpenDialogRuns().size(), dialogs + (locked ? 0 : 1));
        EXPECT_EQ(backend.Messages().size(), locked ? 1u : 0u);
        EXPECT_EQ(chosen(), mine);
    }
}

}  // namespace
}  // namespace mainformtest
