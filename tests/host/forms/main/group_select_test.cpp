// Group-select buttons and "All" / "Nothing": order, pauses, cues, and boxes set from code
// that run no click handler.

#include "main_form_fixture.h"

namespace mainformtest {
namespace {

class GroupSelect : public MainFormTest {
  protected:
    GroupSelect() {
        // Every folder present, so a click handler run by mistake would move the list.
        fakes.files.AddFolder("C:\\WINDOWS\\temp");
        fakes.files.AddFolder("C:\\WINDOWS\\Prefetch");
        fakes.files.AddFolder("C:\\WINDOWS\\Offline Web Pages");
        fakes.files.AddFolder(std::string(kOpera) + "images");
        fakes.files.AddFolder(std::string(kOpera) + "cache4");
    }
    using Trace = std::vector<std::string>;
};

TEST_F(GroupSelect, ChecksTheGroupInOrderWithAPauseBeforeEachThenCue5) {
    TForm1& form = Start();
    ClickOn(form.WQMSpeedButton1);
    EXPECT_EQ(TakeTrace(),
              (Trace{"sleep 50 []", "sleep 50 [1]", "sleep 50 [1,2]", "cue 5 [1,2,3]"}));
    ClickOn(form.WQMSpeedButton3);
    EXPECT_EQ(TakeTrace(), (Trace{"sleep 50 [1,2,3]", "sleep 50 [1,2,3,11]",
                                  "sleep 50 [1,2,3,11,12]", "sleep 50 [1,2,3,11,12,13]",
                                  "sleep 50 [1,2,3,11,12,13,14]", "cue 5 [1,2,3,11,12,13,14,15]"}));
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin());
}

TEST_F(GroupSelect, EachButtonSetsItsOwnBoxes) {
    TForm1& form = Start();
    struct Case {
        controls::TWQMSpeedButton& button;
        Trace trace;
    };
    const std::vector<Case> cases = {
        {form.WQMSpeedButton8, {"sleep 50 []", "cue 5 [6]"}},
        {form.WQMSpeedButton9, {"sleep 50 [6]", "cue 5 [6,7]"}},
        {form.WQMSpeedButton2, {"sleep 50 [6,7]", "sleep 50 [5,6,7]", "cue 5 [5,6,7,8]"}},
        {form.WQMSpeedButton4, {"sleep 50 [5,6,7,8]", "cue 5 [4,5,6,7,8]"}},
        {form.WQMSpeedButton5, {"sleep 50 [4,5,6,7,8]", "cue 5 [4,5,6,7,8,9]"}},
        {form.WQMSpeedButton6, {"sleep 50 [4,5,6,7,8,9]", "cue 5 [4,5,6,7,8,9,10]"}},
        // No pause before "Cache Dll"; "Offline Web Pages" is set after its cue.
        {form.WQMSpeedButton7, {"cue 5 [4,5,6,7,8,9,10,16]"}},
        {form.WQMSpeedButton11, {"cue 5 [4,5,6,7,8,9,10,16]"}},
        {form.WQMSpeedButton13,
         {"sleep 50 [4,5,6,7,8,9,10,16,17]", "sleep 50 [4,5,6,7,8,9,10,16,17,24]",
          "sleep 50 [4,5,6,7,8,9,10,16,17,24,25]", "sleep 50 [4,5,6,7,8,9,10,16,17,24,25,26]",
          "cue 5 [4,5,6,7,8,9,10,16,17,24,25,26,27]"}},
    };
    for (const Case& c : cases) {
        ClickOn(c.button);
        EXPECT_EQ(TakeTrace(), c.trace) << c.button.Name();
    }
    EXPECT_TRUE(form.KVZXPCheckBox17.Checked());
    ClickOn(form.WQMSpeedButton12);
    EXPECT_EQ(CheckedBoxes(), "4,5,6,7,8,9,10,16,17,18,19,20,21,22,23,24,25,26,27");
    // The history and recent groups set only their box, not a radio button.
    EXPECT_TRUE(form.KVZXPRadioButton1.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton3.Checked());
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin());
}

TEST_F(GroupSelect, DrWatsonButtonRunsTheRadioClickOnlyWhenItChangesTheChoice) {
    TForm1& form = Start();
    ClickOn(form.WQMSpeedButton10);
    EXPECT_EQ(TakeTrace(), (Trace{"cue 5 []"})) << "already selected: nothing changes";
    form.KVZXPRadioButton6.SetChecked(true);
    TakeTrace();
    ClickOn(form.WQMSpeedButton10);
    EXPECT_EQ(TakeTrace(), (Trace{"cue 3 []", "cue 5 []"}));
    EXPECT_TRUE(form.KVZXPRadioButton5.Checked());
    EXPECT_FALSE(form.KVZXPRadioButton6.Checked());
}

TEST_F(GroupSelect, AllThenNothingSetsEveryBoxInOrderAndLeavesTheChoices) {
    TForm1& form = Start();
    form.KVZXPRadioButton4.SetChecked(true);
    TakeTrace();
    // The trace of setting the boxes in their order, a pause before each, then cue 2: the
    // original seventeen first, in their old order, then today's caches.
    const std::vector<int> order = {1, 2,  3,  6,  7,  5,  8,  11, 12, 13, 14, 15, 17, 4,
                                    9, 10, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
    auto expected = [&](bool checking) {
        std::vector<bool> checked(28, !checking);
        auto boxes = [&] {
            std::string list;
            for (int n = 1; n <= 27; ++n)
                if (checked[static_cast<std::size_t>(n)])
                    list += (list.empty() ? "" : ",") + std::to_string(n);
            return "[" + list + "]";
        };
        Trace steps;
        for (int n : order) {
            steps.push_back("sleep 50 " + boxes());
            checked[static_cast<std::size_t>(n)] = checking;
        }
        steps.push_back("cue 2 " + boxes());
        return steps;
    };
    ClickOn(form.KVZXPSpeedButton3);
    EXPECT_EQ(TakeTrace(), expected(true));
    ClickOn(form.KVZXPSpeedButton4);
    EXPECT_EQ(TakeTrace(), expected(false));
    EXPECT_EQ(CheckedBoxes(), "");
    EXPECT_TRUE(form.KVZXPRadioButton1.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton4.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton5.Checked());
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin()) << "the list never moves";
}

}  // namespace
}  // namespace mainformtest
