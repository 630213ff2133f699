// "Begin" runs the engine over the window's boxes and writes to its log, status line and
// file list (a smoke test: the engine's own tests cover the run).

#include "main_form_fixture.h"

namespace mainformtest {
namespace {

using Begin = MainFormTest;

TEST_F(Begin, CleansTheCheckedCategoriesAndAppendsTheRunsLinesToTheLog) {
    fakes.files.AddFile("C:\\WINDOWS\\temp\\old.tmp", "x");
    fakes.files.AddFile("C:\\WINDOWS\\Prefetch\\keep.pf", "x");
    TForm1& form = Start();
    const std::size_t header = form.Memo1.Lines().size();
    ClickOn(form.KVZXPCheckBox1);
    TakeTrace();
    ClickOn(form.KVZXPSpeedButton10);
    EXPECT_FALSE(fakes.files.Exists("C:\\WINDOWS\\temp\\old.tmp"));
    EXPECT_TRUE(fakes.files.Exists("C:\\WINDOWS\\temp"));
    EXPECT_TRUE(fakes.files.Exists("C:\\WINDOWS\\Prefetch\\keep.pf")) << "not ticked";
    const auto& lines = form.Memo1.Lines();
    ASSERT_EQ(lines.size(), header + 2);
    EXPECT_EQ(lines[header], "Temp(Windows) (Временные файлы системы)");
    EXPECT_EQ(lines[header + 1], "Cut off Dr. Watson (Отключить Dr. Watson)");
    EXPECT_EQ(form.Label2.Caption(), "Completed clean");
    const std::vector<std::string> events = TakeTrace();
    EXPECT_NE(std::find(events.begin(), events.end(), "cue 1 [1]"), events.end());

    // A second run appends after the first.
    form.KVZXPRadioButton6.SetChecked(true);
    ClickOn(form.KVZXPSpeedButton10);
    EXPECT_EQ(form.Memo1.Lines().back(), "Switch on Dr. Watson (Включить Dr. Watson)");
}

TEST_F(Begin, TodaysCachesRunAfterTheOthersAndBeforeTheSettings) {
    const std::string local = "C:\\Users\\u\\AppData\\Local";
    fakes.files.knownFolders[platform::KnownFolder::LocalAppData] = {local};
    fakes.files.AddFile(local + "\\Google\\Chrome\\User Data\\Default\\GPUCache\\d", "x");
    fakes.files.AddFile(local + "\\Google\\Chrome\\User Data\\Default\\History", "x");
    fakes.files.AddFile(local + "\\CrashDumps\\a.dmp", "x");
    fakes.files.AddFile("C:\\WINDOWS\\temp\\old.tmp", "x");
    TForm1& form = Start();
    const std::size_t header = form.Memo1.Lines().size();
    for (int n : {1, 18, 25}) form.CheckBox(n).SetChecked(true);
    ClickOn(form.KVZXPSpeedButton10);
    EXPECT_FALSE(fakes.files.Exists(local + "\\Google\\Chrome\\User Data\\Default\\GPUCache\\d"));
    EXPECT_TRUE(fakes.files.Exists(local + "\\Google\\Chrome\\User Data\\Default\\History"));
    EXPECT_FALSE(fakes.files.Exists(local + "\\CrashDumps\\a.dmp"));
    const auto& lines = form.Memo1.Lines();
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(header), lines.end()),
        (std::vector<std::string>{"Temp(Windows) (Временные файлы системы)",
                                  "Chrome Cache (Кэш Chrome)", "Crash Dumps (Дампы сбоев)",
                                  "Cut off Dr. Watson (Отключить Dr. Watson)"}));
}

TEST_F(Begin, StepMessagesAndErrorsReachTheUserAsMessageBoxes) {
    fakes.shell.recycleBinStatus = platform::RecycleBinStatus::LibraryMissing;
    TForm1& form = Start();
    form.KVZXPCheckBox4.SetChecked(true);
    ClickOn(form.KVZXPSpeedButton10);
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text, "Failed to load Shell32.dll.");
    EXPECT_EQ(backend.Messages()[0].caption, "Error");
    EXPECT_EQ(backend.Messages()[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(form.Label2.Caption(), "Completed clean") << "the run goes on";

    // A refused registry write ends the run: the status keeps "Wait please", no cue 1.
    backend.ClearMessages();
    fakes.registry.RefuseValueWrite("Auto");
    TakeTrace();
    ClickOn(form.KVZXPSpeedButton10);
    EXPECT_EQ(form.Label2.Caption(), "Wait please");
    EXPECT_EQ(backend.Messages().size(), 2u) << "the bin message, then the error report";
    for (const std::string& e : TakeTrace()) EXPECT_NE(e.substr(0, 5), "cue 1");
}

}  // namespace
}  // namespace mainformtest
