#pragma once
// TForm1: the main window. The left column holds the cleaning categories in a scroll box,
// the right column the file list, the tool buttons and "Begin"; the activity log (Memo1)
// lives here for the whole program run. The tables in main_form_table.cpp name the category
// controls and connect their handlers.

#include <array>
#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_header.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/wqm_speed_button.h"
#include "engine/categories.h"
#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/keep_list.h"
#include "engine/policy.h"
#include "engine/registry_backup.h"
#include "forms/main/analysis_view.h"
#include "forms/main/cleaning_view_adapter.h"
#include "forms/main/definition_groups.h"
#include "forms/main/run_panel.h"
#include "forms/main/run_relay.h"
#include "forms/options/options_links.h"
#include "forms/window_links.h"
#include "settings/sound_cues.h"
#include "settings/text_table.h"
#include "shell/tray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/popup_menu.h"
#include "ui/save_dialog.h"
#include "ui/scroll_box.h"
#include "ui/shell_list_view.h"
#include "ui/timer.h"
#include "ui/worker.h"

// The product banner and the window caption.
inline constexpr char kProductVersion[] = "Skarvel 1.0.7.977";

namespace platform {
class NotificationArea;
class ShellFolder;
}  // namespace platform

class TForm1 : public ui::Form, public settings::MainWindowLink {
  public:
    TForm1(ui::Application& application, const engine::CleaningServices& services,
           platform::ShellFolder& shellFolder, platform::NotificationArea& notificationArea,
           const settings::SoundCues& cues, forms::WindowLinks& windows,
           const engine::Policy& policy);
    // A run still going is asked to stop, and waited for.
    ~TForm1() override;

    // Writes the activity-log header and shows the recycle bin in the file list.
    void FormCreate();
    // Its texts, the tray menu's "Exit" item among them (main_form_texts.cpp).
    static const settings::TextTable kTexts;
    // The colour of all windows: both header bars and their panels take it.
    void ApplyColor(ui::Color color);
    // The options window's reach into this window.
    void SetFileListStyle(ui::ViewStyle style) override;
    shell::TTray& Tray() override { return Tray1; }
    void SaveActivityLog() override;
    std::vector<std::string> TickedCategoryIds() override;
    // Keeps the main window disabled while a modal-like tool window is visible.
    void Timer1Timer();
    // Fades out, then lets the close end the program.
    void FormClose(ui::CloseAction& action);
    // Appends one line to the activity log.
    void AppendLog(const std::string& line);

    // The tray menu's "Exit": ends the program at once.
    void Exit1Click();
    // "All" and "Nothing".
    void KVZXPSpeedButton3Click();
    void KVZXPSpeedButton4Click();
    // "Mechanical Options".
    void KVZXPSpeedButton9Click();
    // "Log Manager" and "DIsk Manager".
    void KVZXPSpeedButton11Click();
    void KVZXPSpeedButton12Click();
    // "Begin": one cleaning run, on a thread of its own; while a run or an analysis goes, the
    // button stops it (main_form_run.cpp).
    void KVZXPSpeedButton10Click();
    // "Analyze": what a clean of the ticked categories would do, shown in place of the file list.
    void KVZXPSpeedButton15Click();
    // The analysis's "Clean": exactly the categories it covered. "Close": back to the file list.
    void KVZXPButton1Click();
    void KVZXPButton2Click();
    // Esc: stops a run or an analysis after the file at hand; else closes an analysis.
    void EscapePressed();
    // The hint of "Begin" while a run goes (its text in the language files).
    const std::string& StopHint() const { return stopHint_; }
    void SetStopHint(std::string hint) { stopHint_ = std::move(hint); }
    // Whether a run or an analysis is going.
    bool Running() const { return running_ != Job::None; }
    // Waits up to MILLISECONDS for a run or an analysis to end, handling messages meanwhile.
    bool WaitForRun(int milliseconds) { return worker_.Wait(milliseconds); }
    // "Cleaner definitions": a definitions file chosen in the system's dialog; its entries
    // present here then show at the bottom of the category list (main_form_definitions.cpp).
    void KVZXPSpeedButton16Click();
    // "Keep List": the keep list's window.
    void KVZXPSpeedButton17Click();
    // A definition's box clicked (it has toggled): an entry with a warning shows it and asks
    // first; the boxes ticked are remembered in the settings file.
    void DefinitionClick(const engine::DefinitionCategory& entry, controls::TKVZXPCheckBox& box);
    // The question after a definition's warning (its text in the language files).
    const std::string& WarningQuestion() const { return warningQuestion_; }
    void SetWarningQuestion(std::string text) { warningQuestion_ = std::move(text); }
    // The definitions file in use ("" for none).
    const std::string& DefinitionsFile() const { return definitionsFile_; }
    // "Help", "process Manager" and "Type Manager".
    void KVZXPSpeedButton1Click();
    void KVZXPSpeedButton13Click();
    void KVZXPSpeedButton14Click();
    // The launchers of system tools: "Regedit", "Clean Disk", "DirectX Options",
    // "System Options" and "System Services".
    void KVZXPSpeedButton2Click();
    void KVZXPSpeedButton5Click();
    void KVZXPSpeedButton6Click();
    void KVZXPSpeedButton7Click();
    void KVZXPSpeedButton8Click();

    // Category clicks (the box has already toggled).
    void KVZXPCheckBox1Click();
    void KVZXPCheckBox2Click();
    void KVZXPCheckBox3Click();
    void KVZXPCheckBox4Click();
    void KVZXPCheckBox5Click();
    void KVZXPCheckBox6Click();
    void KVZXPCheckBox7Click();
    void KVZXPCheckBox8Click();
    void KVZXPCheckBox9Click();
    void KVZXPCheckBox10Click();
    void KVZXPCheckBox11Click();
    void KVZXPCheckBox12Click();
    void KVZXPCheckBox13Click();
    void KVZXPCheckBox14Click();
    void KVZXPCheckBox15Click();
    void KVZXPCheckBox16Click();
    void KVZXPCheckBox17Click();
    // The boxes of today's caches (18 to 27) only sound: their folders are many.
    void TodayCacheClick();
    void KVZXPRadioButton1Click();
    void KVZXPRadioButton2Click();
    void KVZXPRadioButton3Click();
    void KVZXPRadioButton4Click();
    void KVZXPRadioButton5Click();
    void KVZXPRadioButton6Click();

    // Group-select buttons.
    void WQMSpeedButton1Click();
    void WQMSpeedButton2Click();
    void WQMSpeedButton3Click();
    void WQMSpeedButton4Click();
    void WQMSpeedButton5Click();
    void WQMSpeedButton6Click();
    void WQMSpeedButton7Click();
    void WQMSpeedButton8Click();
    void WQMSpeedButton9Click();
    void WQMSpeedButton10Click();
    void WQMSpeedButton11Click();
    // "Browser caches" and "System caches".
    void WQMSpeedButton12Click();
    void WQMSpeedButton13Click();

    // The check box of a category and the radio button of a choice; null for one this
    // window has no control for (the command line reaches it all the same).
    controls::TKVZXPCheckBox* CategoryBox(engine::Category category);
    controls::TKVZXPRadioButton* ChoiceButton(engine::Choice choice);
    // Whether the administrator's policy fixes BOX's state (it shows it and cannot change).
    bool ForcedByPolicy(const controls::TKVZXPCheckBox& box);
    // KVZXPCheckBoxN for N = 1..27.
    controls::TKVZXPCheckBox& CheckBox(int number);
    // The tray menu's only item.
    ui::MenuItem& Exit1() { return PopupMenu1.Items().front(); }
    engine::CleaningPaths& Paths() { return paths_; }
    const settings::SoundCues& Cues() const { return cues_; }

    // Left column.
    controls::TKVZXPHeader KVZXPHeader1{this};
    controls::TKVZXPCollapsePanel KVZXPCollapsePanel1{this};
    ui::ScrollBox ScrollBox1{&KVZXPCollapsePanel1};
    // Group boxes, in their order in the scroll box.
    controls::TKVZXPGroupBox KVZXPGroupBox1{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox8{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox9{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox6{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox5{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox11{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox2{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox3{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox4{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox7{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox10{&ScrollBox1};
    controls::TKVZXPGroupBox KVZXPGroupBox12{&ScrollBox1};  // browser caches
    controls::TKVZXPGroupBox KVZXPGroupBox13{&ScrollBox1};  // system caches
    controls::TWQMSpeedButton WQMSpeedButton1{&KVZXPGroupBox1};
    controls::TWQMSpeedButton WQMSpeedButton8{&KVZXPGroupBox8};
    controls::TWQMSpeedButton WQMSpeedButton9{&KVZXPGroupBox9};
    controls::TWQMSpeedButton WQMSpeedButton2{&KVZXPGroupBox6};
    controls::TWQMSpeedButton WQMSpeedButton3{&KVZXPGroupBox5};
    controls::TWQMSpeedButton WQMSpeedButton11{&KVZXPGroupBox11};
    controls::TWQMSpeedButton WQMSpeedButton4{&KVZXPGroupBox2};
    controls::TWQMSpeedButton WQMSpeedButton5{&KVZXPGroupBox3};
    controls::TWQMSpeedButton WQMSpeedButton6{&KVZXPGroupBox4};
    controls::TWQMSpeedButton WQMSpeedButton7{&KVZXPGroupBox7};
    controls::TWQMSpeedButton WQMSpeedButton10{&KVZXPGroupBox10};
    controls::TWQMSpeedButton WQMSpeedButton12{&KVZXPGroupBox12};
    controls::TWQMSpeedButton WQMSpeedButton13{&KVZXPGroupBox13};
    controls::TKVZXPCheckBox KVZXPCheckBox1{&KVZXPGroupBox1};
    controls::TKVZXPCheckBox KVZXPCheckBox2{&KVZXPGroupBox1};
    controls::TKVZXPCheckBox KVZXPCheckBox3{&KVZXPGroupBox1};
    controls::TKVZXPCheckBox KVZXPCheckBox4{&KVZXPGroupBox2};
    controls::TKVZXPCheckBox KVZXPCheckBox5{&KVZXPGroupBox6};
    controls::TKVZXPCheckBox KVZXPCheckBox6{&KVZXPGroupBox8};
    controls::TKVZXPCheckBox KVZXPCheckBox7{&KVZXPGroupBox9};
    controls::TKVZXPCheckBox KVZXPCheckBox8{&KVZXPGroupBox6};
    controls::TKVZXPCheckBox KVZXPCheckBox9{&KVZXPGroupBox3};
    controls::TKVZXPCheckBox KVZXPCheckBox10{&KVZXPGroupBox4};
    controls::TKVZXPCheckBox KVZXPCheckBox11{&KVZXPGroupBox5};
    controls::TKVZXPCheckBox KVZXPCheckBox12{&KVZXPGroupBox5};
    controls::TKVZXPCheckBox KVZXPCheckBox13{&KVZXPGroupBox5};
    controls::TKVZXPCheckBox KVZXPCheckBox14{&KVZXPGroupBox5};
    controls::TKVZXPCheckBox KVZXPCheckBox15{&KVZXPGroupBox5};
    controls::TKVZXPCheckBox KVZXPCheckBox16{&KVZXPGroupBox7};
    controls::TKVZXPCheckBox KVZXPCheckBox17{&KVZXPGroupBox11};
    controls::TKVZXPCheckBox KVZXPCheckBox18{&KVZXPGroupBox12};  // "Chrome Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox19{&KVZXPGroupBox12};  // "Edge Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox20{&KVZXPGroupBox12};  // "Brave Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox21{&KVZXPGroupBox12};  // "Vivaldi Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox22{&KVZXPGroupBox12};  // "Opera Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox23{&KVZXPGroupBox12};  // "Firefox Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox24{&KVZXPGroupBox13};  // "Error Reports"
    controls::TKVZXPCheckBox KVZXPCheckBox25{&KVZXPGroupBox13};  // "Crash Dumps"
    controls::TKVZXPCheckBox KVZXPCheckBox26{&KVZXPGroupBox13};  // "Shader Cache"
    controls::TKVZXPCheckBox KVZXPCheckBox27{&KVZXPGroupBox13};  // "Thumbnail Cache"
    controls::TKVZXPRadioButton KVZXPRadioButton1{&KVZXPGroupBox8};
    controls::TKVZXPRadioButton KVZXPRadioButton2{&KVZXPGroupBox8};
    controls::TKVZXPRadioButton KVZXPRadioButton3{&KVZXPGroupBox9};
    controls::TKVZXPRadioButton KVZXPRadioButton4{&KVZXPGroupBox9};
    controls::TKVZXPRadioButton KVZXPRadioButton5{&KVZXPGroupBox10};
    controls::TKVZXPRadioButton KVZXPRadioButton6{&KVZXPGroupBox10};
    ui::Label Label1{&KVZXPGroupBox3};
    controls::TKVZXPSpeedButton KVZXPSpeedButton3{&KVZXPCollapsePanel1};  // "All"
    controls::TKVZXPSpeedButton KVZXPSpeedButton4{&KVZXPCollapsePanel1};  // "Nothing"
    // The entries of the chosen cleaner definitions, below the groups above.
    app::DefinitionGroups DefinitionGroups1{ScrollBox1};

    // Right column.
    controls::TKVZXPHeader KVZXPHeader2{this};
    controls::TKVZXPCollapsePanel KVZXPCollapsePanel2{this};
    ui::ShellListView ShellListView1;
    controls::TKVZXPSpeedButton KVZXPSpeedButton1{&KVZXPCollapsePanel2};   // "Help"
    controls::TKVZXPSpeedButton KVZXPSpeedButton11{&KVZXPCollapsePanel2};  // "Log Manager"
    controls::TKVZXPSpeedButton KVZXPSpeedButton12{&KVZXPCollapsePanel2};  // "DIsk Manager"
    controls::TKVZXPSpeedButton KVZXPSpeedButton13{&KVZXPCollapsePanel2};  // "process Manager"
    controls::TKVZXPSpeedButton KVZXPSpeedButton14{&KVZXPCollapsePanel2};  // "Type Manager"
    controls::TKVZXPSpeedButton KVZXPSpeedButton9{&KVZXPCollapsePanel2};   // "Mechanical Options"
    controls::TKVZXPSpeedButton KVZXPSpeedButton2{&KVZXPCollapsePanel2};   // "Regedit"
    controls::TKVZXPSpeedButton KVZXPSpeedButton5{&KVZXPCollapsePanel2};   // "Clean Disk"
    controls::TKVZXPSpeedButton KVZXPSpeedButton6{&KVZXPCollapsePanel2};   // "DirectX Options"
    controls::TKVZXPSpeedButton KVZXPSpeedButton7{&KVZXPCollapsePanel2};   // "System Options"
    controls::TKVZXPSpeedButton KVZXPSpeedButton8{&KVZXPCollapsePanel2};   // "System Services"
    controls::TKVZXPSpeedButton KVZXPSpeedButton10{&KVZXPCollapsePanel2};  // "Begin"
    controls::TKVZXPSpeedButton KVZXPSpeedButton15{&KVZXPCollapsePanel2};  // "Analyze"
    controls::TKVZXPSpeedButton KVZXPSpeedButton16{&KVZXPCollapsePanel2};  // "Cleaner definitions"
    controls::TKVZXPSpeedButton KVZXPSpeedButton17{&KVZXPCollapsePanel2};  // "Keep List"
    ui::OpenDialog OpenDialog1{*this};
    ui::Memo Memo1{&KVZXPCollapsePanel2};
    // Under the file list from the first run on: progress, the summary, an analysis's total.
    app::RunPanel RunPanel1{&KVZXPCollapsePanel2};
    // An analysis, in place of the file list.
    app::AnalysisView AnalysisView1{&KVZXPCollapsePanel2, ui::Rect::FromSize(5, 2, 375, 441)};

    ui::Label Label2{this};
    ui::Timer Timer1;
    ui::PopupMenu PopupMenu1;
    shell::TTray Tray1;  // its menu is PopupMenu1, declared before it

  private:
    void BuildLeftColumn();
    void BuildCategoryGroups();
    void BuildRightColumn();
    void ConnectHandlers();
    void ConnectToolButtons();
    // The key table (main_form_keys.cpp).
    void ConnectKeys();
    // Starts TARGET through the shell with this window as owner, then minimises the program
    // without taking the focus, whether or not the start succeeded.
    void Launch(const char* target);
    void NameCategoryControls();
    // The boxes the policy forces: their state set, disabled, with the hint that says why
    // (main_form_policy.cpp).
    void ApplyPolicy();
    void Cue(settings::Cue cue) { cues_.Play(cue); }
    // Shows FOLDER in the file list when the platform reports a directory there.
    void ShowFolderIfPresent(const std::string& folder);
    // A category box click that shows the category's folder while the box is checked.
    void ShowWhileChecked(controls::TKVZXPCheckBox& box, engine::Category category);
    // Checks BOXES in order, pausing 50 ms before each when PAUSE, then plays cue 5.
    void SelectGroup(std::initializer_list<controls::TKVZXPCheckBox*> boxes, bool pause);
    // Sets the 27 boxes in the order of "All" and "Nothing", 50 ms before each.
    void SetAllBoxes(bool checked);

    // The run and the analysis (main_form_run.cpp).
    enum class Job { None, Clean, Analysis };
    // What a run or an analysis on the worker holds until it ends.
    struct JobState {
        engine::KeepList keep;
        std::unique_ptr<engine::RegistryBackup> backup;  // a clean's
        engine::RunInput input;
        std::unique_ptr<app::RunRelay> relay;              // a clean's
        std::unique_ptr<app::CountingReport> counts;       // an analysis's
        std::vector<const engine::CategoryRow*> analysed;  // an analysis's categories, in order
    };
    // The boxes and radio buttons as they stand.
    app::Ticks Ticked();
    void StartClean(app::Ticks ticks);
    void StartAnalysis(app::Ticks ticks);
    // Disables what could change the run, turns "Begin" into a stop button and opens the panel.
    void BeginJob(Job job, int steps);
    void CleanEnded();
    void AnalysisEnded();
    // Enables what BeginJob disabled and runs what waited for the end (a close).
    void EndJob();
    void StopRun();
    void CloseAnalysis();
    // The controls that could change a run, enabled when IDLE.
    void EnableRunInputs(bool idle);
    void OpenRunPanel();
    // The file list and the analysis in their place, HEIGHT high.
    void PlaceLists(int height);
    static constexpr int kListHeight = 441;
    // The activity log with each run's summary after that run's lines, as the log file has it.
    std::vector<std::string> LogWithSummaries() const;
    // Reads the definitions FILE and shows its entries present here, those in TICKED ticked;
    // with TELL, says what could not be read. False, having changed nothing, when the file
    // cannot be read.
    bool LoadDefinitions(const std::string& file, const std::vector<std::string>& ticked,
                         bool tell);
    // The definitions chosen in the settings file, at start-up.
    void LoadChosenDefinitions();
    // Remembers the file and the boxes ticked in the settings file.
    void SaveDefinitionsChoice();

    const engine::CleaningServices& services_;
    const settings::SoundCues& cues_;
    forms::WindowLinks& windows_;
    engine::CleaningPaths paths_;
    const engine::Policy& policy_;

    // Declared before the worker, which waits for the job that uses them when it goes.
    app::CleaningViewAdapter view_;
    std::unique_ptr<JobState> job_;
    std::atomic<bool> stop_{false};
    Job running_ = Job::None;
    std::function<void()> afterJob_;  // a close that waited for the run to stop
    std::string beginHint_;
    std::string stopHint_ = "Stop";
    std::string warningQuestion_ = "Tick it all the same?";
    std::string definitionsFile_;
    ui::Control* focusBefore_ = nullptr;
    app::Ticks analysed_;                         // the categories of the last analysis
    std::vector<engine::StepFinished> analysis_;  // its steps as they come
    std::vector<std::pair<std::size_t, std::string>> summaries_;  // log lines before, summary
    ui::Worker worker_;
};
