// Clicking a category: cue 3, and for some categories a move of the file list.

#include "main_form_fixture.h"

namespace mainformtest {
namespace {

class CategoryClick : public MainFormTest {
  protected:
    CategoryClick() {
        fakes.shell.specialFolders = {
            {8, "C:\\Documents and Settings\\user\\Recent"},
            {32, "C:\\Documents and Settings\\user\\Local Settings\\Temporary Internet Files"},
            {33, "C:\\Documents and Settings\\user\\Cookies"},
            {34, "C:\\Documents and Settings\\user\\Local Settings\\History"},
        };
    }
    // Clicks box N twice (check, uncheck) and returns the trace of each click.
    std::pair<std::vector<std::string>, std::vector<std::string>> CheckAndUncheck(int n) {
        ClickOn(Form().CheckBox(n));
        std::vector<std::string> on = TakeTrace();
        ClickOn(Form().CheckBox(n));
        return {on, TakeTrace()};
    }
};

TEST_F(CategoryClick, FolderCategoriesShowTheirFolderOnlyWhenCheckedAndPresent) {
    const std::string tempUser = system.tempFolder;
    struct Case {
        int box;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {1, "C:\\WINDOWS\\temp"},
        {2, tempUser},
        {3, "C:\\WINDOWS\\Prefetch"},
        {6, "C:\\Documents and Settings\\user\\Local Settings\\History"},
        {7, "C:\\Documents and Settings\\user\\Recent"},
        {8, "C:\\Documents and Settings\\user\\Cookies"},
    };
    for (const Case& c : cases) fakes.files.AddFolder(c.folder);
    Start();
    for (const Case& c : cases) {
        auto [on, off] = CheckAndUncheck(c.box);
        EXPECT_EQ(on, (std::vector<std::string>{"cue 3 [" + std::to_string(c.box) + "]",
                                                "list " + c.folder}))
            << "box " << c.box;
        // Unchecking sounds but leaves the list where it is.
        EXPECT_EQ(off, (std::vector<std::string>{"cue 3 []"})) << "box " << c.box;
        EXPECT_EQ(Form().ShellListView1.Root(), c.folder);
    }
}

TEST_F(CategoryClick, AMissingFolderLeavesTheListWhereItWas) {
    TForm1& form = Start();
    auto [on, off] = CheckAndUncheck(1);
    EXPECT_EQ(on, (std::vector<std::string>{"cue 3 [1]"}));
    auto [icons, iconsOff] = CheckAndUncheck(13);
    EXPECT_EQ(iconsOff, (std::vector<std::string>{"cue 3 []"}));
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin());
}

TEST_F(CategoryClick, OperaIconsOfflinePagesAndTrashMoveTheListOnEveryClick) {
    fakes.files.AddFolder(std::string(kOpera) + "images");
    fakes.files.AddFolder("C:\\WINDOWS\\Offline Web Pages");
    Start();
    auto [iconsOn, iconsOff] = CheckAndUncheck(13);
    EXPECT_EQ(iconsOn.back(), "list " + std::string(kOpera) + "images");
    ClickOn(Form().CheckBox(13));
    TakeTrace();
    auto [pagesOn, pagesOff] = CheckAndUncheck(17);
    EXPECT_EQ(pagesOn,
              (std::vector<std::string>{"cue 3 [13,17]", "list C:\\WINDOWS\\Offline Web Pages"}));
    // Unchecking "Opera Icons" still moves the list back to its folder.
    ClickOn(Form().CheckBox(13));
    EXPECT_EQ(TakeTrace(),
              (std::vector<std::string>{"cue 3 []", "list " + std::string(kOpera) + "images"}));
    auto [trashOn, trashOff] = CheckAndUncheck(4);
    EXPECT_EQ(trashOn, (std::vector<std::string>{"cue 3 [4]", "list rfRecycleBin"}));
    // Checked after the last click: the view is on the bin; open another and uncheck.
    ClickOn(Form().CheckBox(17));
    TakeTrace();
    ClickOn(Form().CheckBox(4));
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 3 [4,17]", "list rfRecycleBin"}));
    ClickOn(Form().CheckBox(4));
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 3 [17]"}))
        << "the bin is shown already: setting the same root does nothing";
}

TEST_F(CategoryClick, TemporaryIeFilesShowsTheCacheFolderWithoutTestingIt) {
    Start();  // the cache folder does not exist
    auto [on, off] = CheckAndUncheck(5);
    EXPECT_EQ(on, (std::vector<std::string>{
                      "cue 3 [5]",
                      "list C:\\Documents and Settings\\user\\Local Settings\\Temporary Internet "
                      "Files"}));
    EXPECT_EQ(off, (std::vector<std::string>{"cue 3 []"}));
}

TEST_F(CategoryClick, OperaTemporaryMovesTheListBeforeItsCue) {
    fakes.files.AddFolder(std::string(kOpera) + "cache4");
    Start();
    auto [on, off] = CheckAndUncheck(15);
    EXPECT_EQ(on,
              (std::vector<std::string>{"list " + std::string(kOpera) + "cache4", "cue 3 [15]"}));
    EXPECT_EQ(off, (std::vector<std::string>{"cue 3 []"}));
}

TEST_F(CategoryClick, OperaPathsUseNoForAnUnreadableUserAndTheDriveOfTheWindowsFolder) {
    system.userName.reset();
    system.windowsFolder = "C:\\WINNT";
    const std::string profile =
        "C:\\Documents and Settings\\No\\Application Data\\Opera\\Opera\\profile\\";
    fakes.files.AddFolder(profile + "images");
    fakes.files.AddFolder("C:\\WINNT\\Offline Web Pages");
    TForm1& form = Start();
    ClickOn(form.KVZXPCheckBox13);
    EXPECT_EQ(form.ShellListView1.Root(), profile + "images");
    ClickOn(form.KVZXPCheckBox17);
    EXPECT_EQ(form.ShellListView1.Root(), "C:\\WINNT\\Offline Web Pages");
}

// Two mends: without a Windows drive the Opera paths are missing (rather than relative to the
// current folder), and a failed lookup of the Internet cache folder leaves the list where it is.
TEST_F(CategoryClick, NoDriveMeansNoOperaFolderAndNoCacheFolderMeansNoMove) {
    system.windowsFolder.reset();
    fakes.shell.specialFolders.erase(32);
    fakes.files.AddFolder(
        "Documents and Settings\\user\\Application Data\\Opera\\Opera\\profile\\images");
    TForm1& form = Start();
    for (int box : {13, 15, 5}) {
        CheckAndUncheck(box);
        EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin()) << "box " << box;
    }
}

TEST_F(CategoryClick, OtherBoxesOnlySoundAndRadioPairsExcludeWithinTheirGroup) {
    TForm1& form = Start();
    for (int n : {9, 10, 11, 12, 14, 16}) {
        ClickOn(form.CheckBox(n));
        EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 3 [" + std::to_string(n) + "]"}));
        ClickOn(form.CheckBox(n));
        TakeTrace();
    }
    ClickOn(form.KVZXPRadioButton2);
    EXPECT_TRUE(form.KVZXPRadioButton2.Checked());
    EXPECT_FALSE(form.KVZXPRadioButton1.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton3.Checked()) << "another pair is untouched";
    EXPECT_TRUE(form.KVZXPRadioButton5.Checked());
    // A newly chosen button raises its click twice: once from being checked, once from the
    // click itself; a click on the chosen one raises it once.
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 3 []", "cue 3 []"}));
    ClickOn(form.KVZXPRadioButton2);
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 3 []"}));
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin());
}

TEST_F(CategoryClick, NoCueSoundsWithSoundSwitchedOff) {
    fakes.files.AddFolder("C:\\WINDOWS\\temp");
    TForm1& form = Start();
    windows->GetOptions().sound.Set(false);
    ClickOn(form.KVZXPCheckBox1);
    ClickOn(form.KVZXPRadioButton6);
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"list C:\\WINDOWS\\temp"}));
}

}  // namespace
}  // namespace mainformtest
