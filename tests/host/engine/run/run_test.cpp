// The order of the cleaning run, its log lines, status texts and file-list moves.

#include <gtest/gtest.h>

#include "engine/tweaks.h"
#include "run_fixture.h"

namespace runtest {
namespace {

using platform::RegistryRoot;

const char* kCutOff = "Cut off Dr. Watson (Отключить Dr. Watson)";

class CleaningRun : public ::testing::Test, public RunTest {
  protected:
    // Every target of every category, present and holding something.
    void FillEveryTarget() {
        fake.files.AddFile("C:\\WINDOWS\\temp\\a.tmp");
        fake.files.AddFile("C:\\WINDOWS\\temp\\sub\\b.tmp", "", platform::attr::kReadOnly);
        fake.files.AddFile("C:\\DOCUME~1\\user\\LOCALS~1\\Temp\\c.txt");
        fake.files.AddFile("C:\\WINDOWS\\Prefetch\\X.pf");
        for (int n : {8, 33, 34}) fake.files.AddFile(fake.shell.specialFolders[n] + "\\f.dat");
        fake.files.AddFolder(fake.shell.specialFolders[32]);
        for (const char* item : {"cookies4.dat", "global.dat", "opera.dir", "vlink4.dat",
                                 "download.dat", "images\\i.png", "cache4\\c.tmp"}) {
            fake.files.AddFile(std::string(kOpera) + item);
        }
        fake.files.AddFile("C:\\WINDOWS\\system32\\dllcache\\x.dll", "", platform::attr::kSystem);
        fake.files.AddFile("C:\\WINDOWS\\Offline Web Pages\\page.htm");
        fake.urlCache.entries = {"http://a/", "http://b/"};
    }

    void CheckAll() {
        for (int c = 0; c <= static_cast<int>(Category::CacheDll); ++c) {
            view.checked.insert(static_cast<Category>(c));
        }
    }
};

TEST_F(CleaningRun, NothingCheckedStillAppliesTheChoicesAndReadsEveryBoxInOrder) {
    Clean();

    EXPECT_EQ(view.lines, std::vector<std::string>{kCutOff});
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"status Wait please", std::string("log ") + kCutOff,
                                        "status Completed clean", "cue 1", "refresh"}));
    EXPECT_EQ(
        view.asked,
        (std::vector<Category>{
            Category::WindowsMessenger, Category::Trash,          Category::TemporaryIeFiles,
            Category::TempWindows,      Category::TempUser,       Category::Prefetch,
            Category::History,          Category::Recent,         Category::CookiesIe,
            Category::SpeedMemory,      Category::OperaCookies,   Category::OperaPages,
            Category::OperaIcons,       Category::OperaLoads,     Category::OperaTemporary,
            Category::CacheDll,         Category::ChromeCache,    Category::EdgeCache,
            Category::BraveCache,       Category::VivaldiCache,   Category::OperaStableCache,
            Category::FirefoxCache,     Category::ErrorReports,   Category::CrashDumps,
            Category::ShaderCache,      Category::ThumbnailCache, Category::OfflineWebPages}));
    // The three choices reach the registry; nothing else does.
    EXPECT_EQ(
        fake.registry.AllValues(),
        (std::set<std::string>{
            "hkcu\\software\\microsoft\\windows\\currentversion\\policies|norecentdocshistory",
            "hkcu\\software\\microsoft\\windows\\currentversion\\policies\\explorer|"
            "norecentdocshistory",
            "hkcu\\software\\microsoft\\windows\\currentversion\\policies\\explorer|"
            "norecentdocsmenu",
            "hklm\\software\\microsoft\\windows nt\\currentversion\\aedebug|auto"}));
    EXPECT_TRUE(fake.shell.started.empty());
    EXPECT_TRUE(fake.shell.recycleBinCalls.empty());
    EXPECT_EQ(fake.urlCache.clearCalls, 0);
}

TEST_F(CleaningRun, EveryCategoryInItsOrderWithItsLine) {
    FillEveryTarget();
    CheckAll();
    view.checked.insert(Category::OfflineWebPages);
    Clean();

    EXPECT_EQ(view.lines, (std::vector<std::string>{
                              "Delete Windows Messenger (Windows Messenger)",
                              "Trash (Корзина)",
                              "Temporary IE Files (Временные файлы IE)",
                              "Temp(Windows) (Временные файлы системы)",
                              "Temp(User) (Временные файлы системы)",
                              "Prefetch (Ссылки системы)",
                              "History (История)",
                              "Recent (Недавние документы)",
                              "Cookies IE (Куки IE)",
                              "Speed Memory (Ускорение памяти)",
                              "Opera Cookies (Куки Opera)",
                              "Opera Pages (Ссылки Opera)",
                              "Opera Icon (Иконки Opera)",
                              "Opera Loads (Загрузки оперы)",
                              "Temporary (кэш Opera)",
                              "Dll Cache =10 Mb (Dll Кэш =10 Mb)",
                              kCutOff,
                              "Offline Web Pages (Offline Веб Страницы)",
                          }));
    // Every target emptied, every folder kept.
    for (const char* folder :
         {"C:\\WINDOWS\\temp", "C:\\DOCUME~1\\user\\LOCALS~1\\Temp", "C:\\WINDOWS\\Prefetch",
          "C:\\WINDOWS\\system32\\dllcache", "C:\\WINDOWS\\Offline Web Pages"}) {
        EXPECT_EQ(fake.files.Snapshot(folder).size(), 1u) << folder;
    }
    for (int n : {8, 33, 34})
        EXPECT_EQ(fake.files.Snapshot(fake.shell.specialFolders[n]).size(), 1u);
    EXPECT_EQ(fake.files.Snapshot(std::string(kOpera) + "images").size(), 1u);
    EXPECT_EQ(fake.files.Snapshot(std::string(kOpera) + "cache4").size(), 1u);
    EXPECT_FALSE(fake.files.Exists(std::string(kOpera) + "vlink4.dat"));
    EXPECT_TRUE(fake.urlCache.entries.empty());
    ASSERT_EQ(fake.shell.recycleBinCalls.size(), 1u);
    EXPECT_EQ(fake.shell.recycleBinCalls[0], &ownerTag);
    ASSERT_EQ(fake.shell.started.size(), 1u);
}

// Each folder category's purge flags, seen in what stays: a read-only file stays unless the
// category clears attributes; an empty sub-folder listed after a file in use stays only when
// the category stops at the first failure (later passes delete files, never folders).
TEST(CleaningRunFlags, EachFolderCategoryPurgesWithItsOwnFlags) {
    const std::string opera = RunTest::kOpera;
    struct Case {
        Category category;
        std::string folder;  // "" for a special folder of the fake shell
        int special;
        bool clearsAttributes;
        bool stopsOnFailure;
    } cases[] = {
        {Category::TempWindows, "C:\\WINDOWS\\temp", 0, true, false},
        {Category::TempUser, "C:\\DOCUME~1\\user\\LOCALS~1\\Temp", 0, false, false},
        {Category::Prefetch, "C:\\WINDOWS\\Prefetch", 0, false, false},
        {Category::History, "", 34, false, false},
        {Category::Recent, "", 8, false, true},
        {Category::CookiesIe, "", 33, false, false},
        {Category::OperaIcons, opera + "images", 0, false, false},
        {Category::OperaTemporary, opera + "cache4", 0, false, false},
        {Category::OfflineWebPages, "C:\\WINDOWS\\Offline Web Pages", 0, false, false},
        {Category::CacheDll, "C:\\WINDOWS\\system32\\dllcache", 0, true, false},
    };
    for (const Case& c : cases) {
        RunTest run;
        const std::string folder = c.special ? run.fake.shell.specialFolders[c.special] : c.folder;
        SCOPED_TRACE(folder);
        run.fake.files.AddFile(folder + "\\a\\locked.dat");
        run.fake.files.SetInUse(folder + "\\a\\locked.dat");
        run.fake.files.AddFile(folder + "\\ro.txt", "", platform::attr::kReadOnly);
        run.fake.files.AddFolder(folder + "\\z");
        run.view.checked = {c.category};
        run.Clean();
        EXPECT_EQ(run.view.lines.size(), 2u) << "the category's line and the debugger's";
        EXPECT_EQ(run.fake.files.FileExists(folder + "\\ro.txt"), !c.clearsAttributes);
        EXPECT_EQ(run.fake.files.DirectoryExists(folder + "\\z"), c.stopsOnFailure);
        EXPECT_TRUE(run.fake.files.FileExists(folder + "\\a\\locked.dat"));
    }
}

TEST_F(CleaningRun, HistoryRecentAndCookiesAreShownBeforeTheyAreEmptied) {
    FillEveryTarget();
    view.checked = {Category::History, Category::Recent, Category::CookiesIe};
    Clean();

    std::vector<std::string> shown;
    for (const auto& e : view.events) {
        if (e.rfind("show ", 0) == 0 || e.rfind("log ", 0) == 0) shown.push_back(e);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "show " + fake.shell.specialFolders[34], "log History (История)",
                         "show " + fake.shell.specialFolders[8], "log Recent (Недавние документы)",
                         "show " + fake.shell.specialFolders[33], "log Cookies IE (Куки IE)",
                         std::string("log ") + kCutOff}));
    // The list shows a present folder: it is re-read before the debugger step and again
    // after the completion cue.
    auto done = std::find(view.events.begin(), view.events.end(), "status Completed clean");
    EXPECT_EQ(std::count(view.events.begin(), done, "refresh"), 1);
    EXPECT_EQ(std::count(done, view.events.end(), "refresh"), 1);
}

TEST_F(CleaningRun, MissingTargetsAddNoLineAndMoveNothing) {
    CheckAll();
    fake.shell.specialFolders.clear();  // no special folders at all
    fake.urlCache.entries = {"http://a/"};
    Clean();

    // Only the categories that are not folders or files log something.
    EXPECT_EQ(view.lines,
              (std::vector<std::string>{
                  "Delete Windows Messenger (Windows Messenger)", "Trash (Корзина)",
                  "Temporary IE Files (Временные файлы IE)", "Speed Memory (Ускорение памяти)",
                  "Dll Cache =10 Mb (Dll Кэш =10 Mb)", kCutOff}));
    for (const auto& e : view.events) EXPECT_NE(e.rfind("show ", 0), 0u) << e;
}

TEST_F(CleaningRun, OperaPagesLogsOnlyWhenTheLinkFileWasThere) {
    fake.files.AddFile(std::string(kOpera) + "global.dat");
    fake.files.AddFile(std::string(kOpera) + "keep.dat");
    view.checked = {Category::OperaPages};
    Clean();

    EXPECT_FALSE(fake.files.Exists(std::string(kOpera) + "global.dat"));
    EXPECT_TRUE(fake.files.Exists(std::string(kOpera) + "keep.dat"));
    EXPECT_EQ(view.lines, std::vector<std::string>{kCutOff});
}

TEST_F(CleaningRun, OperaFileLineDependsOnPresenceNotOnDeletion) {
    fake.files.AddFile(std::string(kOpera) + "cookies4.dat");
    fake.files.SetInUse(std::string(kOpera) + "cookies4.dat");
    view.checked = {Category::OperaCookies};
    Clean();

    EXPECT_TRUE(fake.files.Exists(std::string(kOpera) + "cookies4.dat"));
    EXPECT_EQ(view.lines.front(), "Opera Cookies (Куки Opera)");
}

TEST_F(CleaningRun, UserTempEmptiesTheFolderAndKeepsIt) {
    fake.system.tempFolder = "C:\\Temp\\";
    fake.files.AddFile("C:\\Temp\\a.txt");
    fake.files.AddFile("C:\\Temp\\noext");
    fake.files.AddFile("C:\\Temp\\Content.IE5\\x.dat");
    fake.files.AddFile("C:\\Temp\\locked.tmp");
    fake.files.SetInUse("C:\\Temp\\locked.tmp");
    fake.files.AddFile("C:\\Temp\\sub\\deep\\y");
    fake.files.AddFile("C:\\Tempo\\neighbour.txt");
    view.checked = {Category::TempUser};
    Clean();

    auto left = fake.files.Snapshot("C:\\Temp");
    EXPECT_EQ(left.size(), 2u);  // the folder and the locked file
    EXPECT_TRUE(left.count("c:\\temp\\locked.tmp"));
    EXPECT_TRUE(fake.files.Exists("C:\\Tempo\\neighbour.txt"));
    EXPECT_EQ(view.lines.front(), "Temp(User) (Временные файлы системы)");
}

TEST_F(CleaningRun, UserTempThatIsTooShortOrADriveRootIsLeftAlone) {
    fake.files.AddFile("C:\\keep.txt");
    fake.files.AddFile("C:\\dir\\keep2.txt");
    view.checked = {Category::TempUser};
    for (const char* temp : {"", "\\", "C:\\", "C:\\WINDOWS\\"}) {
        fake.system.tempFolder = temp;
        view.lines.clear();
        Clean();
        EXPECT_EQ(view.lines, std::vector<std::string>{kCutOff}) << temp;
        EXPECT_TRUE(fake.files.Exists("C:\\keep.txt")) << temp;
        EXPECT_TRUE(fake.files.Exists("C:\\dir\\keep2.txt")) << temp;
        EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\system32")) << temp;
    }
}

// A folder category whose folder the purge refuses (here a link to the drive's root) has
// nothing cleaned and so gets no line.
TEST_F(CleaningRun, ARefusedFolderGetsNoLine) {
    fake.files.AddFile("C:\\keep.txt");
    fake.files.AddFolderLink("C:\\WINDOWS\\temp", "C:\\");
    fake.files.AddFile("C:\\WINDOWS\\Prefetch\\X.pf");
    view.checked = {Category::TempWindows, Category::Prefetch};
    Clean();
    EXPECT_EQ(view.lines, (std::vector<std::string>{"Prefetch (Ссылки системы)", kCutOff}));
    EXPECT_TRUE(fake.files.Exists("C:\\keep.txt"));
}

TEST_F(CleaningRun, OfflinePagesComeAfterTheCompletion) {
    fake.files.AddFile("C:\\WINDOWS\\Offline Web Pages\\p.htm");
    view.checked = {Category::OfflineWebPages};
    view.selected = {Choice::WriteHistory, Choice::WriteRecent, Choice::SwitchOnDrWatson};
    Clean();

    EXPECT_EQ(view.events,
              (std::vector<std::string>{"status Wait please",
                                        "log Switch on Dr. Watson (Включить Dr. Watson)",
                                        "status Completed clean", "cue 1", "refresh",
                                        "log Offline Web Pages (Offline Веб Страницы)"}));
    EXPECT_FALSE(fake.files.Exists("C:\\WINDOWS\\Offline Web Pages\\p.htm"));
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\Offline Web Pages"));
}

TEST_F(CleaningRun, TwoRunsAppendToTheSameLog) {
    view.lines = {"", "header"};
    fake.urlCache.entries = {"http://a/"};
    view.checked = {Category::TemporaryIeFiles};
    Clean();
    view.checked = {Category::Trash};
    Clean();

    EXPECT_EQ(view.lines,
              (std::vector<std::string>{"", "header", "Temporary IE Files (Временные файлы IE)",
                                        kCutOff, "Trash (Корзина)", kCutOff}));
}

TEST_F(CleaningRun, AnErrorEndsTheRunAndKeepsWhatWasLogged) {
    fake.files.AddFile("C:\\WINDOWS\\temp\\a.tmp");
    fake.files.AddFile(std::string(kOpera) + "cookies4.dat");
    fake.registry.localMachineReadOnly = true;
    view.checked = {Category::TempWindows, Category::SpeedMemory, Category::OperaCookies};

    try {
        Clean();
        FAIL() << "the run should have stopped";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Failed to create key Memory Management");
    }
    EXPECT_EQ(view.lines, std::vector<std::string>{"Temp(Windows) (Временные файлы системы)"});
    EXPECT_EQ(view.events.back(), "log Temp(Windows) (Временные файлы системы)");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "status Wait please"), 1);
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "cue 1"), 0);
    EXPECT_TRUE(fake.files.Exists(std::string(kOpera) + "cookies4.dat"));  // later step not run
    EXPECT_EQ(fake.registry.Find(RegistryRoot::LocalMachine, engine::kAeDebugKey, "Auto"), nullptr);
}

TEST_F(CleaningRun, MissingShellLibraryIsReportedAndTheRunGoesOn) {
    fake.shell.recycleBinStatus = platform::RecycleBinStatus::LibraryMissing;
    view.checked = {Category::Trash};
    Clean();

    EXPECT_EQ(view.events[1], "error Failed to load Shell32.dll.");
    EXPECT_EQ(view.events[2], "log Trash (Корзина)");
    EXPECT_EQ(view.events.back(), "refresh");

    // A shell without the entry point empties nothing and says nothing.
    fake.shell.recycleBinStatus = platform::RecycleBinStatus::EntryMissing;
    view.events.clear();
    Clean();
    EXPECT_EQ(view.events[1], "log Trash (Корзина)");
}

TEST_F(CleaningRun, ListOnARemovedRootIsNotReReadBeforeTheDebuggerStep) {
    view.root = "C:\\gone";
    Clean();
    auto done = std::find(view.events.begin(), view.events.end(), "status Completed clean");
    EXPECT_EQ(std::count(view.events.begin(), done, "refresh"), 0);
    EXPECT_EQ(std::count(done, view.events.end(), "refresh"), 1);
}

}  // namespace
}  // namespace runtest
