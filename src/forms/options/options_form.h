#pragma once
// TForm2: the options window. Its check boxes and colour box are bound to the Options model
// (the live store the other windows read); at its creation it applies the chosen language file
// and the stored options to the main window and to itself, at its destruction it writes the
// options back and, when asked, saves the activity log.

#include "controls/kvzxp_button.h"
#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_header.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_radio_group.h"
#include "engine/policy.h"
#include "forms/options/check_box_binding.h"
#include "forms/options/color_box_binding.h"
#include "forms/options/options_links.h"
#include "forms/window_links.h"
#include "platform/services.h"
#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/stored_options.h"
#include "ui/color_box.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace settings {
// The services the options window uses.
struct OptionsServices {
    platform::System& system;
    platform::FileSystem& files;
    platform::Profile& profile;
    platform::Registry& registry;
    platform::Shell& shell;
};
}  // namespace settings

class TForm2 : public ui::Form {
  public:
    TForm2(ui::Application& application, const settings::OptionsServices& services,
           settings::Languages& languages, settings::MainWindowLink& mainWindow,
           forms::WindowLinks& windows, settings::Options& options,
           platform::TaskScheduler* scheduler, const engine::Policy& policy);

    // Language, language list, stored options, tray icon (in this order).
    void FormCreate();
    // Removes the tray icon, writes the options, saves the activity log when asked.
    void FormDestroy();

    // "Visible in tray": shows or removes the tray icon.
    void KVZXPCheckBox1Click();
    // The colour box: every window takes the chosen colour.
    void ColorBox1Change();
    // The view styles of the main window's file list: List, Icon, Report, Small icon.
    void KVZXPRadioButton1Click();
    void KVZXPRadioButton2Click();
    void KVZXPRadioButton3Click();
    void KVZXPRadioButton4Click();
    // "AutoRun with system": writes or removes the auto-start entry.
    void KVZXPCheckBox2Click();
    // "Cost accounting": "Automatic Clear Log" can be changed only while the log is saved.
    void KVZXPCheckBox4Click();
    // "Default Click": the default options, then the program starts again.
    void KVZXPButton1Click();
    // "Scheduled cleaning": none, daily, weekly or at log-on. Creates, replaces or removes the
    // user's task, which cleans what is ticked in the main window (options_form_schedule.cpp).
    void ScheduleClick(std::optional<platform::TaskTrigger> trigger);
    // A double-click in the language list switches to that language.
    void FileListBox1DblClick();
    // Enables "Automatic Clear Log" while the log box is ticked.
    void Timer1Timer();

    // The view code of the checked view button (1 List, 2 Icon, 3 Report, 4 Small icon), 0 when
    // none is checked.
    int ViewCode() const;

    // Its texts in the language files.
    static const settings::TextTable kTexts;
    // The colour of all windows: the header bar and its panel take it.
    void ApplyColor(ui::Color color);

    controls::TKVZXPHeader KVZXPHeader1{this};
    controls::TKVZXPCollapsePanel KVZXPCollapsePanel1{this};
    controls::TKVZXPGroupBox KVZXPGroupBox1{&KVZXPCollapsePanel1};
    controls::TKVZXPCheckBox KVZXPCheckBox1{&KVZXPGroupBox1};  // "Visible in tray"
    controls::TKVZXPGroupBox KVZXPGroupBox2{&KVZXPCollapsePanel1};
    ui::ColorBox ColorBox1{&KVZXPGroupBox2};
    controls::TKVZXPRadioGroup KVZXPRadioGroup1{&KVZXPCollapsePanel1};
    controls::TKVZXPRadioButton KVZXPRadioButton1{&KVZXPRadioGroup1};  // "List"
    controls::TKVZXPRadioButton KVZXPRadioButton2{&KVZXPRadioGroup1};  // "Icon"
    controls::TKVZXPRadioButton KVZXPRadioButton3{&KVZXPRadioGroup1};  // "Report"
    controls::TKVZXPRadioButton KVZXPRadioButton4{&KVZXPRadioGroup1};  // "Small icon"
    controls::TKVZXPGroupBox KVZXPGroupBox3{&KVZXPCollapsePanel1};
    controls::TKVZXPCheckBox KVZXPCheckBox2{&KVZXPGroupBox3};  // auto-start "Yes"
    controls::TKVZXPGroupBox KVZXPGroupBox4{&KVZXPCollapsePanel1};
    controls::TKVZXPCheckBox KVZXPCheckBox3{&KVZXPGroupBox4};  // "Sound in Skarvel"
    controls::TKVZXPGroupBox KVZXPGroupBox7{&KVZXPCollapsePanel1};
    controls::TKVZXPCheckBox KVZXPCheckBox4{&KVZXPGroupBox7};  // log "Yes"
    controls::TKVZXPCheckBox KVZXPCheckBox5{&KVZXPGroupBox7};  // "Automatic Clear Log"
    controls::TKVZXPGroupBox KVZXPGroupBox5{&KVZXPCollapsePanel1};
    controls::TKVZXPButton KVZXPButton1{&KVZXPGroupBox5};  // "Default Click"
    controls::TKVZXPGroupBox KVZXPGroupBox6{&KVZXPCollapsePanel1};
    ui::FileListBox FileListBox1;
    controls::TKVZXPGroupBox KVZXPGroupBox8{&KVZXPCollapsePanel1};   // "Scheduled cleaning"
    controls::TKVZXPRadioButton KVZXPRadioButton5{&KVZXPGroupBox8};  // "None"
    controls::TKVZXPRadioButton KVZXPRadioButton6{&KVZXPGroupBox8};  // "Daily"
    controls::TKVZXPRadioButton KVZXPRadioButton7{&KVZXPGroupBox8};  // "Weekly"
    controls::TKVZXPRadioButton KVZXPRadioButton8{&KVZXPGroupBox8};  // "At log-on"
    ui::Timer Timer1;

  private:
    void BuildControls();
    void ConnectHandlers();
    // The chosen colour on this window and the windows made before it, then (ALL_WINDOWS) on
    // the windows made after it too (otherwise they take it at their own creation).
    void ColorWindows(bool allWindows);
    void SetViewStyle(ui::ViewStyle style);
    // The options as the controls hold them now, as the settings file stores them.
    settings::OptionsToStore CurrentOptions() const;
    // The schedule's button for TRIGGER (nullopt: "None").
    controls::TKVZXPRadioButton& ScheduleButton(std::optional<platform::TaskTrigger> trigger);
    // Applies the administrator's schedule, then shows the user's task as it stands; the
    // buttons are locked while a policy sets it.
    void ShowSchedule();

    settings::OptionsServices services_;
    settings::Languages& languages_;
    settings::MainWindowLink& mainWindow_;
    forms::WindowLinks& windows_;
    settings::Options& options_;
    platform::TaskScheduler* scheduler_;  // null: no scheduled cleaning to offer
    const engine::Policy& policy_;
    bool showingSchedule_ = false;  // a button set from code, not a click
    // Last: the bindings tie the boxes above to the options.
    settings::CheckBoxBinding trayBinding_{KVZXPCheckBox1, options_.trayIcon};
    settings::CheckBoxBinding autoRunBinding_{KVZXPCheckBox2, options_.autoRun};
    settings::CheckBoxBinding soundBinding_{KVZXPCheckBox3, options_.sound};
    settings::CheckBoxBinding saveLogBinding_{KVZXPCheckBox4, options_.saveLog};
    settings::CheckBoxBinding autoClearBinding_{KVZXPCheckBox5, options_.autoClearLog};
    std::unique_ptr<settings::ColorBoxBinding> colorBinding_;  // once the box holds the colours
};
