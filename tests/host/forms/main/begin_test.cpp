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
