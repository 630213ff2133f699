#pragma once
// An analysis, shown in place of the main window's file list: per category the files and the
// bytes a clean would delete, what would stay and why (or why the category is refused). It
// opens sorted by size, largest first; a click on a column title sorts by that column, a second
// click the other way round.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/run_events.h"
#include "engine/run_summary.h"
#include "ui/list_view.h"

namespace app {

struct AnalysisRow {
    std::string name;
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    std::uint64_t stays = 0;
    std::string why;  // the refusal, the common reason of what stays, or what the step would do
};

// The row of one category's preview.
AnalysisRow AnalysisRowOf(const engine::StepFinished& step);

class AnalysisView {
  public:
    enum Column { kCategory, kFiles, kSize, kStays, kWhy };

    // The list goes on PARENT at BOUNDS, hidden.
    AnalysisView(ui::Control* parent, const ui::Rect& bounds);

    bool Shown() const { return ListView1.Visible(); }
    void Show(std::vector<AnalysisRow> rows);
    void Hide() { ListView1.SetVisible(false); }
    // Sorts by COLUMN: numbers largest first, text A to Z; the same column again reverses.
    void SortBy(int column);
    const std::vector<AnalysisRow>& Rows() const { return rows_; }

    ui::ListView ListView1;

  private:
    void Sort();

    std::vector<AnalysisRow> rows_;
    int column_ = kSize;
    bool reversed_ = false;
};

}  // namespace app
