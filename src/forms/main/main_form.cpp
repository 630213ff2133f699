#include "forms/main/main_form.h"

#include "engine/activity_log_file.h"
#include "forms/main/main_form_style.h"
#include "platform/system.h"
#include "ui/application.h"

namespace {

const std::string kRule(51, '_');
// How long the end of the session waits for a run to stop (the system waits five seconds).
constexpr int kSessionEndWait = 3000;

}  // namespace

TForm1::TForm1(ui::Application& application, const engine::CleaningServices& services,
               platform::ShellFolder& shellFolder, platform::NotificationArea& notificationArea,
               const settings::SoundCues& cues, forms::WindowLinks& windows,
               const engine::Policy& policy)
    : ui::Form(application),
      ShellListView1(&KVZXPCollapsePanel2, &shellFolder),
      Timer1(application),
      PopupMenu1(application),
      Tray1(*this, notificationArea),
      services_(services),
      cues_(cues),
      windows_(windows),
      paths_(services.system, services.shell),
      policy_(policy),
      view_(*this, services.files),
      worker_(application) {
    SetName("Form1");
    SetCaption(std::string("System cleaning utility ") + kProductVersion);
    SetClientSize(641, 504);
    SetColor(ui::clBlack);
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(ui::border_icon::kSystemMenu | ui::border_icon::kMinimize);
    SetPosition(ui::Position::DesktopCenter);

    NameCategoryControls();
    BuildLeftColumn();
    BuildCategoryGroups();
    BuildRightColumn();

    Label2.SetName("Label2");
    Label2.SetBounds(4, 489, 633, 13);
    Label2.SetFont(mainform::TealBoldArial());
    Label2.SetColor(ui::clBlack);

    PopupMenu1.SetName("PopupMenu1");
    PopupMenu1.SetAutoPopup(false);  // the tray icon shows it
    PopupMenu1.AddItem("Exit", [this] { Exit1Click(); });
    Tray1.SetPopupMenu(&PopupMenu1);  // no image: the program's own icon; no hint

    Timer1.SetInterval(250);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    OnCreate = [this] { FormCreate(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };

    // Handlers last: the initial radio choices above must not sound.
    ConnectHandlers();
    ApplyPolicy();
    // Log-off during a run: it stops, and its last lines reach the log the end writes.
    application.OnSessionEnd(*this, [this] {
        if (!Running()) return;
        StopRun();
        (void)worker_.Wait(kSessionEndWait);
    });
}

void TForm1::AppendLog(const std::string& line) {
    Memo1.AddLine(line);
}

void TForm1::FormCreate() {
    platform::System& system = services_.system;
    std::optional<std::string> user = system.UserName();
    for (const std::string& line :
         {kRule, std::string(), std::string(kProductVersion) + "  system cleaner", std::string(),
          system.ShortDate(), system.LongTime(), std::string(),
          "Name User:   " + user.value_or("No"), std::string(), kRule, std::string(),
          std::string()})
        AppendLog(line);
    // Listed once the window is up: a full bin takes long to list, and no one sees it before.
    ShellListView1.SetRootSoon(std::string(ui::ShellListView::kRecycleBin));
    LoadChosenDefinitions();
}

void TForm1::Timer1Timer() {
    SetEnabled(!windows_.BlockingWindowVisible());
}

void TForm1::FormClose(ui::CloseAction& action) {
    if (Running()) {
        // The run stops after the file at hand; the close comes once it has.
        action = ui::CloseAction::None;
        afterJob_ = [this] { Close(); };
        StopRun();
        return;
    }
    AnimateHide(600);  // the main window's close ends the program
}

void TForm1::Exit1Click() {
    if (Running()) {
        afterJob_ = [this] { App().Terminate(); };
        StopRun();
        return;
    }
    App().Terminate();
}

void TForm1::KVZXPSpeedButton9Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::Options);
}

void TForm1::KVZXPSpeedButton11Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::LogManager);
}

void TForm1::KVZXPSpeedButton12Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::DiskManager);
}

void TForm1::SetFileListStyle(ui::ViewStyle style) {
    ShellListView1.SetViewStyle(style);
}

void TForm1::SaveActivityLog() {
    (void)engine::SaveActivityLog(services_.files, services_.system, LogWithSummaries());
}

void TForm1::ApplyColor(ui::Color color) {
    KVZXPHeader1.SetColor(color);
    KVZXPCollapsePanel1.SetColorBackground(color);
    KVZXPHeader2.SetColor(color);
    KVZXPCollapsePanel2.SetColorBackground(color);
}
