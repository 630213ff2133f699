// The log manager on its own, over a fake log folder: the list, the viewer, the automatic
// clear-out at creation, "Dell All Logs" and "Copy All Logs".

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_services.h"
#include "forms/log_manager/log_manager_form.h"
#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/sound_cues.h"
#include "ui/application.h"
#include "ui/form_owner.h"
#include "ui/headless/headless_backend.h"

namespace {

const std::string kApp = "C:\\Program Files\\Skarvel";
const std::string kLog = kApp + "\\log";

// Reading is refused for the files named in `locked`, as for a log another program holds.
class LockingFiles : public fakes::FakeFileSystem {
  public:
    std::set<std::string> locked;
    std::optional<std::string> ReadFile(const std::string& path) override {
        if (locked.count(path)) return std::nullopt;
        return FakeFileSystem::ReadFile(path);
    }
    std::string LastErrorText() override { return "The file is in use."; }
};

struct LogManagerTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    LockingFiles files;
    platform::portable::IniProfile profile{files};
    settings::Languages languages{fakes.system, files, profile};
    settings::Options options;
    settings::SoundCues cues{fakes.sound, fakes.system, options.sound};
    std::vector<std::string> errors;
    ui::ScopedErrorReport report{application,
                                 [this](const std::string& e) { errors.push_back(e); }};
    std::unique_ptr<ui::FormOwner> owner;

    LogManagerTest() { files.AddFolder(kApp); }

    // N logs named 01.log, 02.log... with their number as text.
    void AddLogs(int n) {
        for (int i = 1; i <= n; ++i) {
            std::string name = (i < 10 ? "0" : "") + std::to_string(i);
            files.AddFile(kLog + "\\" + name + ".log", "log " + name);
        }
    }
    TForm4& Start() {
        owner = std::make_unique<ui::FormOwner>();
        return owner->Create<TForm4>(
            application,
            tools::ToolWindowContext{languages, cues, options, {fakes.system, files, profile}},
            tools::LogManagerServices{files, fakes.shell, fakes.folderDialog, fakes.system});
    }
    // Clicks entry INDEX of the list as the user does.
    void Select(TForm4& form, int index) {
        backend.Click(form.FileListBox1, {20, index * form.FileListBox1.ItemHeight() + 4});
    }
    // Every entry left below the log folder.
    std::vector<std::string> Left() {
        std::vector<std::string> left;
        for (const auto& [path, item] : files.Snapshot(kLog))
            if (path.size() > kLog.size()) left.push_back(path);
        return left;
    }
};

// Read-only and hidden logs are listed; system files, other names and folders are not.
TEST_F(LogManagerTest, ListedEntries) {
    AddLogs(2);
    files.AddFile(kLog + "\\A hidden.LOG", "", platform::attr::kHidden);
    files.AddFile(kLog + "\\readonly.log", "", platform::attr::kReadOnly);
    files.AddFile(kLog + "\\system.log", "", platform::attr::kSystem);
    files.AddFile(kLog + "\\notes.txt");
    files.AddFolder(kLog + "\\folder.log");
    TForm4& form = Start();
    EXPECT_EQ(form.FileListBox1.Items(),
              (std::vector<std::string>{"01.log", "02.log", "A hidden.LOG", "readonly.log"}));
    EXPECT_TRUE(form.KVZXPMemo1.ReadOnly());
}

// Counted are the listed logs only; the clear-out takes everything else with them, keeps the
// folder, and plays nothing.
TEST_F(LogManagerTest, AutomaticClearOutAtFiftyListedLogs) {
    struct Case {
        bool on;
        int logs;
        bool cleared;
    } cases[] = {{true, 49, false}, {true, 50, true}, {false, 60, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.logs) + (c.on ? " on" : " off"));
        if (files.Exists(kLog)) files.Remove(kLog);
        AddLogs(c.logs);
        files.AddFile(kLog + "\\notes.txt");
        files.AddFile(kLog + "\\system.log", "", platform::attr::kSystem);
        files.AddFile(kLog + "\\old\\inner.log");
        options.autoClearLog.Set(c.on);
        TForm4& form = Start();
        EXPECT_TRUE(files.DirectoryExists(kLog));
        if (c.cleared) {
            EXPECT_EQ(Left(), std::vector<std::string>{});
            EXPECT_EQ(form.FileListBox1.Count(), 0);
        } else {
            EXPECT_EQ(Left().size(), static_cast<size_t>(c.logs + 4));
            EXPECT_EQ(form.FileListBox1.Count(), c.logs);
        }
        EXPECT_TRUE(fakes.sound.played.empty());
    }
}

// The text comes in Windows-1251 with CR LF; a log gone since the listing leaves the viewer
// as it was; one that cannot be read empties it and ends with the error report.
TEST_F(LogManagerTest, SelectingShowsTheLogOrReports) {
    files.AddFile(kLog + "\\a.log",
                  "Temp(Windows) (\xC2\xF0\xE5\xEC\xE5\xED\xED\xFB\xE5)\r\n\r\nend\r\n");
    files.AddFile(kLog + "\\b.log", "gone");
    files.AddFile(kLog + "\\c.log", "locked");
    files.locked.insert(kLog + "\\c.log");
    // A log Windows-1251 could not hold is UTF-8 after its mark.
    files.AddFile(kLog + "\\d.log", "\xEF\xBB\xBFName User:   小明\r\nend\r\n");
    TForm4& form = Start();
    Select(form, 0);
    EXPECT_EQ(form.KVZXPMemo1.Lines(),
              (std::vector<std::string>{"Temp(Windows) (Временные)", "", "end"}));
    files.Remove(kLog + "\\b.log");
    Select(form, 1);
    EXPECT_EQ(form.KVZXPMemo1.Lines().size(), 3u);
    EXPECT_TRUE(errors.empty());
    Select(form, 2);
    EXPECT_TRUE(form.KVZXPMemo1.Lines().empty());
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot open file \"" + kLog +
                                               "\\c.log\". The file is in use."});
    Select(form, 3);
    EXPECT_EQ(form.KVZXPMemo1.Lines(), (std::vector<std::string>{"Name User:   小明", "end"}));
}

TEST_F(LogManagerTest, DellAllLogsEmptiesTheFolderKeepsItAndEmptiesTheViewer) {
    AddLogs(3);
    files.AddFile(kLog + "\\notes.txt");
    files.AddFile(kLog + "\\system.log", "", platform::attr::kSystem | platform::attr::kReadOnly);
    files.AddFile(kLog + "\\old\\inner.log");
    TForm4& form = Start();
    Select(form, 0);
    ASSERT_FALSE(form.KVZXPMemo1.Lines().empty());
    fakes.sound.played.clear();
    backend.Click(form.KVZXPSpeedButton1, {5, 5});
    EXPECT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_TRUE(files.DirectoryExists(kLog));
    EXPECT_EQ(Left(), std::vector<std::string>{});
    EXPECT_EQ(form.FileListBox1.Count(), 0);
    EXPECT_TRUE(form.KVZXPMemo1.Lines().empty());

    // Without the folder: the cue, and nothing else.
    files.Remove(kLog);
    backend.Click(form.KVZXPSpeedButton1, {5, 5});
    EXPECT_EQ(fakes.sound.played.size(), 2u);
    EXPECT_FALSE(files.DirectoryExists(kLog));
}

// Each listed log is selected in turn (the viewer keeps its text) and copied by the shell
// into the chosen folder; an empty list or a cancel copies nothing.
// Ctrl+2 lies next to Ctrl+1 (copy): the key asks first, No answering Enter; the button,
// which a mouse user aims at, deletes at once.
TEST_F(LogManagerTest, TheDeleteKeyAsksBeforeDeletingTheButtonDoesNot) {
    AddLogs(3);
    TForm4& form = Start();
    form.ShowForm();
    backend.nextAnswer = ui::MessageResult::No;
    backend.PressKey('2', ui::shift::kCtrl);
    EXPECT_EQ(form.FileListBox1.Count(), 3);
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text, "Delete all saved logs?");
    EXPECT_EQ(backend.Messages()[0].buttons, ui::MessageButtons::YesNoDefaultNo);
    backend.nextAnswer = ui::MessageResult::Yes;
    backend.PressKey('2', ui::shift::kCtrl);
    EXPECT_EQ(form.FileListBox1.Count(), 0);
    AddLogs(2);
    backend.Click(form.KVZXPSpeedButton1, {5, 5});
    EXPECT_FALSE(files.Exists(kLog + "\\01.log"));
    EXPECT_EQ(backend.Messages().size(), 2u) << "the button asks nothing";
}

TEST_F(LogManagerTest, CopyAllLogsIntoTheChosenFolder) {
    fakes.folderDialog.choice = "D:\\Backup";
    TForm4& empty = Start();
    backend.Click(empty.KVZXPSpeedButton2, {5, 5});
    EXPECT_EQ(fakes.folderDialog.requests.size(), 1u);
    EXPECT_TRUE(fakes.shell.copies.empty());

    AddLogs(3);
    files.AddFile(kLog + "\\system.log", "", platform::attr::kSystem);
    TForm4& form = Start();
    Select(form, 1);
    const std::vector<std::string> shown = form.KVZXPMemo1.Lines();
    fakes.folderDialog.choice = std::nullopt;
    backend.Click(form.KVZXPSpeedButton2, {5, 5});
    EXPECT_TRUE(fakes.shell.copies.empty());

    fakes.folderDialog.choice = "D:\\Backup";
    fakes.sound.played.clear();
    backend.Click(form.KVZXPSpeedButton2, {5, 5});
    EXPECT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_EQ(fakes.shell.copies, (std::vector<std::string>{kLog + "\\01.log -> D:\\Backup",
                                                            kLog + "\\02.log -> D:\\Backup",
                                                            kLog + "\\03.log -> D:\\Backup"}));
    EXPECT_EQ(form.FileListBox1.ItemIndex(), 2);
    EXPECT_EQ(form.KVZXPMemo1.Lines(), shown);
    EXPECT_EQ(fakes.folderDialog.requests.back().title, "Save Logs in...");
    EXPECT_EQ(fakes.folderDialog.requests.back().flags, platform::browse::kNewDialogStyle);
}

// Both buttons sound cue 4; a copy the shell fails does not end the loop: every log is offered
// in turn.
TEST_F(LogManagerTest, BothButtonsSoundCueFourAndAFailedCopyLeavesTheOthersToCopy) {
    AddLogs(3);
    fakes.folderDialog.choice = "D:\\Backup";
    fakes.shell.onCopy = [&](const std::string& from, const std::string&) {
        return from != kLog + "\\01.log";
    };
    TForm4& form = Start();
    const std::string cue4 = fakes.system.applicationFolder + "Sound\\4.wav";
    for (controls::TKVZXPSpeedButton* button : {&form.KVZXPSpeedButton2, &form.KVZXPSpeedButton1}) {
        fakes.sound.played.clear();
        backend.Click(*button, {5, 5});
        EXPECT_EQ(fakes.sound.played, std::vector<std::string>{cue4}) << button->Hint();
    }
    EXPECT_EQ(fakes.shell.copies, (std::vector<std::string>{kLog + "\\01.log -> D:\\Backup",
                                                            kLog + "\\02.log -> D:\\Backup",
                                                            kLog + "\\03.log -> D:\\Backup"}));
    EXPECT_TRUE(errors.empty());
}

}  // namespace
