// A stop requested while a run goes ends the folder after the file at hand and the run before
// its next row; a file with several names counts once, with its bytes, when its last name goes
// (in a clean and in a preview alike); and the summary a window shows of it.

#include <gtest/gtest.h>

#include <atomic>

#include "engine/category_steps.h"
#include "engine/run_summary.h"
#include "run_fixture.h"

namespace runtest {
namespace {

using engine::Outcome;
using engine::StepFinished;

// Stops the run once the purge has deleted STOPAFTER files, and keeps every finished step.
class StoppingView : public RecordingView {
  public:
    StoppingView(platform::FileSystem& files, std::atomic<bool>& stop, int stopAfter)
        : RecordingView(files), report_(stop, stopAfter) {}
    void Finished(const StepFinished& step) override {
        RecordingView::Finished(step);
        finished.push_back(step);
    }
    void RunStopped() override { events.push_back("stopped"); }
    engine::PurgeReport* ReportFor(Category) override { return &report_; }

    std::vector<StepFinished> finished;

  private:
    struct StopAfter : engine::ProgressReport {
        StopAfter(std::atomic<bool>& s, int n) : stop(s), left(n) {}
        void FileDone(std::uint64_t) override {
            if (--left == 0) stop = true;
        }
        std::atomic<bool>& stop;
        int left;
    } report_;
};

class StopAndCount : public RunTest, public ::testing::Test {};

TEST_F(StopAndCount, AStopEndsTheFolderAfterTheFileAtHandAndTheRunBeforeItsNextRow) {
    for (int i = 0; i < 10; ++i)
        fake.files.AddFile("C:\\WINDOWS\\temp\\f" + std::to_string(i) + ".tmp", "12345");
    fake.files.AddFile("C:\\WINDOWS\\Prefetch\\a.pf", "x");
    std::atomic<bool> stop{false};
    StoppingView stopping(fake.files, stop, 3);
    stopping.checked = {Category::TempWindows, Category::Prefetch};
    const engine::RunInput input{.stop = &stop};
    engine::RunCleaning(services, paths, input, stopping);

    int left = 0;
    for (int i = 0; i < 10; ++i)
        left += fake.files.Exists("C:\\WINDOWS\\temp\\f" + std::to_string(i) + ".tmp");
    EXPECT_EQ(left, 7) << "three files went, the rest stayed";
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\Prefetch\\a.pf")) << "a later row is not taken";
    ASSERT_EQ(stopping.finished.size(), 1u);
    const StepFinished& temp = stopping.finished[0];
    EXPECT_EQ(temp.outcome, Outcome::Stopped);
    EXPECT_EQ(temp.reason, engine::kReasonStopRequested);
    EXPECT_EQ(temp.files, 3u);
    EXPECT_EQ(temp.bytes, 15u);
    EXPECT_TRUE(stopping.lines.empty()) << "no line for a step that did not finish, no choice";
    EXPECT_EQ(stopping.events.back(), "stopped");
    for (const std::string& e : stopping.events) EXPECT_NE(e, "status Completed clean");

    // A preview stops the same way, and changes nothing.
    const StepFinished preview = engine::PreviewStep(engine::RowOf(Category::TempWindows), services,
                                                     paths, nullptr, nullptr, &stop);
    EXPECT_EQ(preview.outcome, Outcome::Stopped);
    EXPECT_EQ(preview.files, 0u);
}

TEST_F(StopAndCount, AFileWithSeveralNamesCountsOnceWithItsBytesWhenItsLastNameGoes) {
    const std::string temp = "C:\\WINDOWS\\temp\\";
    fake.files.AddFile(temp + "a.bin", std::string(100, 'a'));
    fake.files.AddHardLink(temp + "sub\\a-twin.bin", temp + "a.bin");  // both names go
    fake.files.AddFile("C:\\Keep\\b.bin", std::string(50, 'b'));
    fake.files.AddHardLink(temp + "b-name.bin", "C:\\Keep\\b.bin");  // the file stays outside
    fake.files.AddFile(temp + "c.bin", std::string(10, 'c'));
    const engine::CategoryRow& row = engine::RowOf(Category::TempWindows);

    const StepFinished preview = engine::PreviewStep(row, services, paths, nullptr);
    std::atomic<bool> never{false};
    StoppingView cleaning(fake.files, never, -1);
    cleaning.checked = {Category::TempWindows};
    engine::RunCleaning(services, paths, {}, cleaning);
    ASSERT_FALSE(cleaning.finished.empty());
    const StepFinished& clean = cleaning.finished[0];

    for (const StepFinished* step : {&preview, &clean}) {
        EXPECT_EQ(step->files, 2u) << "a once, c; not the outside file's name";
        EXPECT_EQ(step->bytes, 110u);
    }
    EXPECT_FALSE(fake.files.Exists(temp + "b-name.bin"));
    EXPECT_TRUE(fake.files.Exists("C:\\Keep\\b.bin"));
}

TEST(RunSummaryText, SaysWhatWasFreedLeftAndRefusedAndHowTheRunEnded) {
    const engine::CategoryRow& temp = engine::RowOf(Category::TempWindows);
    const engine::CategoryRow& user = engine::RowOf(Category::TempUser);
    StepFinished cleaned{temp};
    cleaned.files = 1234;
    cleaned.folders = 1;
    cleaned.bytes = 12'900'000;
    cleaned.failures = {{"a", "in use."}, {"b", "Access is denied."}, {"c", "in use."}};
    StepFinished refused{user};
    refused.outcome = Outcome::Refused;
    refused.reason = "reached through a link: D:\\x";

    engine::RunSummary summary;
    summary.Add(cleaned);
    summary.Add(refused);
    const std::string body =
        "12.3 MB: 1234 files and 1 folder deleted; 3 items left (most: in use); refused: "
        "Temp (User) (reached through a link: D:\\x).";
    EXPECT_EQ(summary.Text(), "Freed " + body);
    summary.SetEnd(engine::RunSummary::End::Stopped);
    EXPECT_EQ(summary.Text(), "Stopped. Freed " + body);
    summary.SetEnd(engine::RunSummary::End::Failed);
    EXPECT_EQ(summary.Text(), "Ended by an error. Freed " + body);

    const engine::RunSummary none;
    EXPECT_EQ(none.Text(), "Freed 0 bytes: 0 files and 0 folders deleted.");
    EXPECT_EQ(none.PreviewText(), "Would free 0 bytes: 0 files and 0 folders.");
    for (auto [bytes, text] : {std::pair<std::uint64_t, const char*>{1, "1 byte"},
                               {1023, "1023 bytes"},
                               {1536, "1.5 KB"},
                               {5ull << 30, "5.0 GB"}})
        EXPECT_EQ(engine::FormatBytes(bytes), text);
}

}  // namespace
}  // namespace runtest
