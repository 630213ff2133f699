#include "forms/main/run_panel.h"

#include <algorithm>

#include "engine/run_summary.h"
#include "forms/main/main_form_style.h"

namespace app {

namespace {
constexpr int kLeft = 5;
constexpr int kWidth = 375;
constexpr int kHeight = 443 - RunPanel::kTop;
}  // namespace

RunPanel::RunPanel(ui::Control* parent)
    : StaticText2(parent),
      StaticText3(parent),
      ProgressBar1(parent),
      StaticText1(parent),
      KVZXPButton1(parent),
      KVZXPButton2(parent) {
    struct Placed {
        ui::Control& control;
        const char* name;
        ui::Rect bounds;
    };
    const Placed placed[] = {
        {StaticText2, "StaticText2", ui::Rect::FromSize(kLeft, kTop, kWidth, 14)},
        {StaticText3, "StaticText3", ui::Rect::FromSize(kLeft, kTop + 16, kWidth, 14)},
        {ProgressBar1, "ProgressBar1", ui::Rect::FromSize(kLeft, kTop + 34, kWidth, 16)},
        {StaticText1, "StaticText1", ui::Rect::FromSize(kLeft, kTop, kWidth, kHeight)},
        {KVZXPButton1, "KVZXPButton1", ui::Rect::FromSize(kLeft, kTop + kHeight - 22, 110, 21)},
        {KVZXPButton2, "KVZXPButton2",
         ui::Rect::FromSize(kLeft + 116, kTop + kHeight - 22, 75, 21)},
    };
    for (const Placed& p : placed) {
        p.control.SetName(p.name);
        p.control.SetBounds(p.bounds);
        p.control.SetVisible(false);
    }
    for (ui::Control* text :
         {static_cast<ui::Control*>(&StaticText2), static_cast<ui::Control*>(&StaticText3),
          static_cast<ui::Control*>(&StaticText1)})
        text->SetFont(mainform::TealBoldArial());
    KVZXPButton1.SetCaption("Clean");
    KVZXPButton1.SetHint("Clean exactly what was analysed");
    KVZXPButton1.SetShowHint(true);
    KVZXPButton2.SetCaption("Close");
    KVZXPButton2.SetHint("Back to the file list");
    KVZXPButton2.SetShowHint(true);
}

void RunPanel::ShowOnly(std::initializer_list<ui::Control*> shown) {
    open_ = true;
    for (ui::Control* c :
         {static_cast<ui::Control*>(&StaticText2), static_cast<ui::Control*>(&StaticText3),
          static_cast<ui::Control*>(&ProgressBar1), static_cast<ui::Control*>(&StaticText1),
          static_cast<ui::Control*>(&KVZXPButton1), static_cast<ui::Control*>(&KVZXPButton2)})
        c->SetVisible(std::find(shown.begin(), shown.end(), c) != shown.end());
}

void RunPanel::ShowProgress(int steps, bool preview) {
    preview_ = preview;
    StaticText2.SetCaption("");
    StaticText3.SetCaption("");
    ProgressBar1.SetRange(0, steps);
    ProgressBar1.SetPosition(0);
    ShowOnly({&StaticText2, &StaticText3, &ProgressBar1});
}

void RunPanel::ShowStep(const std::string& name) {
    StaticText2.SetCaption((preview_ ? "Looking at: " : "Cleaning: ") + name);
}

void RunPanel::StepDone() {
    ProgressBar1.SetPosition(ProgressBar1.Position() + 1);
}

void RunPanel::ShowCounts(std::uint64_t files, std::uint64_t bytes) {
    StaticText3.SetCaption(engine::Counted(files, "file") + ", " + engine::FormatBytes(bytes) +
                           (preview_ ? " found so far" : " so far"));
}

void RunPanel::ShowSummary(const std::string& text) {
    StaticText1.SetBounds(kLeft, kTop, kWidth, kHeight);
    StaticText1.SetCaption(text);
    ShowOnly({&StaticText1});
}

void RunPanel::ShowTotal(const std::string& text, bool cleanable) {
    StaticText1.SetBounds(kLeft, kTop, kWidth, kHeight - 26);
    StaticText1.SetCaption(text);
    KVZXPButton1.SetEnabled(cleanable);
    ShowOnly({&StaticText1, &KVZXPButton1, &KVZXPButton2});
}

}  // namespace app
