// The window's run and analysis: the run goes on a worker, and its effects reach the window on
// the window's thread in the order a run on that thread gives them; Esc and "Begin" stop it
// after the file at hand; closing and the end of the session stop it first, then end as usual;
// an analysis shows what the next clean does, and its "Clean" cleans exactly that.

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/run_events.h"
#include "host/tab_to.h"
#include "main_form_fixture.h"

namespace mainformtest {
namespace {

using namespace std::chrono_literals;

class Run : public MainFormTest {
  protected:
    const std::string temp = "C:\\WINDOWS\\temp\\";
    const std::string history = "C:\\Documents and Settings\\user\\History";

    void AddTempFiles(int count, std::size_t size = 5) {
        for (int i = 0; i < count; ++i)
            fakes.files.AddFile(temp + "f" + std::to_string(i) + ".tmp", std::string(size, 'x'));
    }
    int TempFilesLeft(int count) {
        int left = 0;
        for (int i = 0; i < count; ++i)
            left += fakes.files.Exists(temp + "f" + std::to_string(i) + ".tmp");
        return left;
    }
    // Calls EACH with the number of every file of the temp folder opened, on the run's thread.
    void OnTempFileOpen(std::function<void(int)> each) {
        fakes.files.beforeOpen = [this, each = std::move(each)](const std::string& path) {
            if (path.find(temp + "f") != std::string::npos) each(++opens);
        };
    }
    // What the user can tell: the log since line FROM, the status, cues and list moves, boxes,
    // the summary or the analysis's total.
    std::string Seen(std::size_t from) {
        std::string out;
        const auto& lines = Form().Memo1.Lines();
        for (std::size_t i = from; i < lines.size(); ++i) out += "log " + lines[i] + " | ";
        for (const std::string& e : TakeTrace()) out += e + " | ";
        for (const auto& m : backend.Messages()) out += "box " + m.text + " | ";
        return out + "status " + Form().Label2.Caption() + " | " +
               Form().RunPanel1.StaticText1.Caption();
    }
    // Which of what could change a run takes input: boxes, a radio button, group, All, Nothing,
    // options, Analyze; and Begin's hint.
    std::string Inputs() {
        TForm1& f = Form();
        std::string out;
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &f.KVZXPCheckBox1, &f.KVZXPRadioButton5, &f.WQMSpeedButton1, &f.KVZXPSpeedButton3,
                 &f.KVZXPSpeedButton4, &f.KVZXPSpeedButton9, &f.KVZXPSpeedButton15})
            out += c->Enabled() ? "1" : "0";
        return out + " " + f.KVZXPSpeedButton10.HintWithShortcut();
    }

    std::atomic<int> opens{0};
};

TEST_F(Run, ItsEffectsReachTheWindowOnItsThreadInTheOrderOfARunOnIt) {
    fakes.shell.specialFolders[34] = history;
    fakes.shell.recycleBinStatus = platform::RecycleBinStatus::LibraryMissing;
    auto arrange = [&] {
        if (windows) Form().ShellListView1.SetRoot(std::string(ui::ShellListView::kRecycleBin));
        TakeTrace();
        fakes.files.AddFile(temp + "a.tmp", "x");
        fakes.files.AddFile(history + "\\h.dat", "x");
        fakes.files.AddFile("C:\\WINDOWS\\Offline Web Pages\\p.htm", "x");
    };
    arrange();
    TForm1& form = Start();
    const std::thread::id windowThread = std::this_thread::get_id();
    bool offThread = false;
    form.ShellListView1.OnChange = [&, moved = form.ShellListView1.OnChange] {
        offThread = offThread || std::this_thread::get_id() != windowThread;
        moved();
    };
    // Temp (Windows), the bin (its message box), History (shown, then emptied), and the
    // offline pages (after the completion).
    for (int n : {1, 4, 6, 17}) form.CheckBox(n).SetChecked(true);
    std::size_t from = form.Memo1.Lines().size();
    ClickOn(form.KVZXPSpeedButton10);  // the job runs at once, on this thread
    const std::string onWindowThread = Seen(from);

    arrange();
    backend.ClearMessages();
    form.Label2.SetCaption("");
    backend.threadedJobs = true;
    from = form.Memo1.Lines().size();
    ClickOn(form.KVZXPSpeedButton10);
    for (auto end = std::chrono::steady_clock::now() + 10s;
         backend.JobsRunning() && std::chrono::steady_clock::now() < end;)
        std::this_thread::sleep_for(1ms);
    ASSERT_FALSE(backend.JobsRunning());
    EXPECT_FALSE(fakes.files.Exists(temp + "a.tmp")) << "the worker did the work";
    EXPECT_EQ(form.Memo1.Lines().size(), from) << "and left the window alone";
    EXPECT_EQ(form.Label2.Caption(), "");
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_TRUE(form.Running());
    backend.ProcessMessages();
    EXPECT_FALSE(form.Running());
    EXPECT_EQ(Seen(from), onWindowThread);
    EXPECT_FALSE(offThread);
    EXPECT_NE(onWindowThread.find("log Offline Web Pages"), std::string::npos) << onWindowThread;
}

TEST_F(Run, EscOrBeginStopsItAfterTheFileAtHandAndTheWindowSaysSo) {
    for (bool byEsc : {true, false}) {
        SCOPED_TRACE(byEsc ? "Esc" : "Begin");
        AddTempFiles(20);
        TForm1& form = Start();
        form.ShowForm();
        form.KVZXPCheckBox1.SetChecked(true);
        ASSERT_TRUE(hosttest::TabTo(backend, form.KVZXPCheckBox1));
        const std::string idle = Inputs();
        std::string during;
        opens = 0;
        OnTempFileOpen([&](int n) {
            if (n != 4) return;
            during = Inputs();
            if (byEsc)
                backend.PressKey(ui::key::kEscape);
            else
                ClickOn(form.KVZXPSpeedButton10);
        });
        const std::size_t from = form.Memo1.Lines().size();
        ClickOn(form.KVZXPSpeedButton10);
        fakes.files.beforeOpen = nullptr;

        EXPECT_EQ(idle, "1111111 Begin (F5)");
        EXPECT_EQ(during, "0000000 Stop (Esc)");
        EXPECT_EQ(Inputs(), idle);
        EXPECT_EQ(backend.Focused(), &form.KVZXPCheckBox1) << "the keyboard is back where it was";
        EXPECT_EQ(TempFilesLeft(20), 16) << "the fourth file went, no other after it";
        EXPECT_EQ(Seen(from),
                  "log " + std::string(engine::kStopLine) +
                      " | status Cleaning stopped | Stopped. Freed 20 bytes: 4 files and 0 "
                      "folders deleted.");
        fakes.files.Remove(temp);
    }
}

TEST_F(Run, ClosingOrEndingTheSessionStopsItFirstThenEndsAsUsual) {
    // Closing: the window stays until the run has stopped, then fades and the program ends.
    AddTempFiles(20);
    TForm1& form = Start();
    form.ShowForm();
    form.KVZXPCheckBox1.SetChecked(true);
    bool openAtClose = false;
    OnTempFileOpen([&](int n) {
        if (n != 3) return;
        form.Close();
        openAtClose = form.Visible() && !backend.TerminateRequested() && backend.Fades().empty();
    });
    ClickOn(form.KVZXPSpeedButton10);
    fakes.files.beforeOpen = nullptr;
    EXPECT_TRUE(openAtClose);
    EXPECT_EQ(TempFilesLeft(20), 17);
    EXPECT_EQ(form.Memo1.Lines().back(), engine::kStopLine);
    EXPECT_EQ(backend.Fades().size(), 1u);
    EXPECT_TRUE(backend.TerminateRequested());

    // The end of the session, on a real thread: the run stops, its lines and summary reach the
    // log file the end writes.
    const std::string ini = fakes.system.applicationFolder + "Mordaun.ini";
    fakes.files.Remove(ini);
    fakes.files.AddFile(ini, "[Log]\r\nALL=true\r\n");
    fakes.files.Remove(temp);
    AddTempFiles(400);
    TForm1& again = Start();
    again.KVZXPCheckBox1.SetChecked(true);
    backend.threadedJobs = true;
    opens = 0;
    OnTempFileOpen([](int) { std::this_thread::sleep_for(1ms); });
    ClickOn(again.KVZXPSpeedButton10);
    for (auto end = std::chrono::steady_clock::now() + 10s;
         opens < 5 && std::chrono::steady_clock::now() < end;)
        std::this_thread::sleep_for(1ms);
    application.EndSession();
    EXPECT_FALSE(again.Running());
    EXPECT_GT(TempFilesLeft(400), 0);
    std::vector<platform::DirEntry> logs;
    ASSERT_TRUE(fakes.files.Enumerate(fakes.system.applicationFolder + "log\\*.log", logs));
    ASSERT_EQ(logs.size(), 1u);
    const std::string log =
        fakes.files.ReadFile(fakes.system.applicationFolder + "log\\" + logs[0].name).value_or("");
    const std::string ending =
        "Stopped by the user (\xCE\xF1\xF2\xE0\xED\xEE\xE2\xEB\xE5\xED\xEE "
        "\xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xE5\xEC)\r\nStopped. "
        "Freed ";
    EXPECT_NE(log.find(ending), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with(" folders deleted.\r\n")) << log;
}

TEST_F(Run, AnAnalysisShowsWhatTheNextCleanDoesSortedBySizeAndItsCleanCleansExactlyThat) {
    AddTempFiles(3, 1000);
    fakes.files.AddFile(system.tempFolder + "u.tmp", std::string(5000, 'u'));
    TForm1& form = Start();
    form.ShowForm();
    for (int n : {1, 2, 3}) form.CheckBox(n).SetChecked(true);  // Prefetch is not there
    backend.PressKey(ui::key::kF6);

    EXPECT_TRUE(form.AnalysisView1.Shown());
    EXPECT_FALSE(form.ShellListView1.Visible());
    EXPECT_EQ(TempFilesLeft(3), 3) << "an analysis changes nothing";
    using Rows = std::vector<ui::ListView::Row>;
    const Rows bySize = {{"Temp (User)", "1", "4.9 KB", "0", ""},
                         {"Temp (Windows)", "3", "2.9 KB", "0", ""},
                         {"Prefetch", "0", "0 bytes", "0", "not present"}};
    EXPECT_EQ(form.AnalysisView1.ListView1.Rows(), bySize);
    form.AnalysisView1.ListView1.ColumnClick(app::AnalysisView::kSize);
    EXPECT_EQ(form.AnalysisView1.ListView1.Rows(), (Rows{bySize[2], bySize[1], bySize[0]}));
    form.AnalysisView1.ListView1.ColumnClick(app::AnalysisView::kCategory);
    EXPECT_EQ(form.AnalysisView1.ListView1.Rows(), (Rows{bySize[2], bySize[0], bySize[1]}));
    const std::string total = form.RunPanel1.StaticText1.Caption();
    EXPECT_EQ(total, "Would free 7.8 KB: 4 files and 0 folders.");
    EXPECT_TRUE(form.RunPanel1.KVZXPButton1.Enabled());
    EXPECT_EQ(backend.Focused(), &form.RunPanel1.KVZXPButton1);

    // Its "Clean" takes what was analysed, whatever the boxes say now.
    form.KVZXPCheckBox2.SetChecked(false);
    ClickOn(form.RunPanel1.KVZXPButton1);
    EXPECT_EQ(TempFilesLeft(3), 0);
    EXPECT_FALSE(fakes.files.Exists(system.tempFolder + "u.tmp"));
    EXPECT_FALSE(form.AnalysisView1.Shown());
    EXPECT_TRUE(form.ShellListView1.Visible());
    const std::string summary = form.RunPanel1.StaticText1.Caption();
    EXPECT_EQ(summary, "Freed 7.8 KB: 4 files and 0 folders deleted.");

    // The log file ends with the run's summary, after the run's lines.
    form.SaveActivityLog();
    std::vector<platform::DirEntry> logs;
    ASSERT_TRUE(fakes.files.Enumerate(fakes.system.applicationFolder + "log\\*.log", logs));
    const std::string log =
        fakes.files.ReadFile(fakes.system.applicationFolder + "log\\" + logs[0].name).value_or("");
    EXPECT_TRUE(log.ends_with("Watson)\r\n" + summary + "\r\n")) << log;
}

}  // namespace
}  // namespace mainformtest
