#pragma once
// The strip under the main window's file list that a run or an analysis opens: while it goes,
// the step at hand, the files and bytes done so far and a bar over the steps; after a clean,
// the summary; after an analysis, its total with "Clean" (exactly what was analysed) and
// "Close". The file list makes room for it; it stays open from the first run on.

#include <cstdint>
#include <string>

#include "controls/kvzxp_button.h"
#include "controls/kvzxp_progress_bar.h"
#include "forms/main/run_relay.h"
#include "ui/static_text.h"

namespace app {

class RunPanel final : public RunCountsView {
  public:
    // The strip's top in its parent, and the file list's height while it is open.
    static constexpr int kTop = 379;
    static constexpr int kListHeight = 373;

    // The controls go on PARENT (the right-hand panel), hidden.
    explicit RunPanel(ui::Control* parent);

    bool Open() const { return open_; }
    // Hides the strip.
    void Close() {
        ShowOnly({});
        open_ = false;
    }
    // A run (or, with PREVIEW, an analysis) of STEPS steps begins.
    void ShowProgress(int steps, bool preview);
    // The step NAME is being taken.
    void ShowStep(const std::string& name);
    void StepDone();
    void ShowCounts(std::uint64_t files, std::uint64_t bytes) override;
    // A clean ended: its summary.
    void ShowSummary(const std::string& text);
    // An analysis ended: its total, and whether "Clean" may clean what it covered.
    void ShowTotal(const std::string& text, bool cleanable);

    ui::StaticText StaticText2;                // the step at hand
    ui::StaticText StaticText3;                // files and bytes so far
    controls::TKVZXPProgressBar ProgressBar1;  // steps done of the run's steps
    ui::StaticText StaticText1;                // the summary, or an analysis's total
    controls::TKVZXPButton KVZXPButton1;       // "Clean": what the analysis covered
    controls::TKVZXPButton KVZXPButton2;       // "Close": back to the file list

  private:
    void ShowOnly(std::initializer_list<ui::Control*> shown);

    bool open_ = false;
    bool preview_ = false;
};

}  // namespace app
