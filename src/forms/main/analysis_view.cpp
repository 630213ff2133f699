#include "forms/main/analysis_view.h"

#include <algorithm>
#include <tuple>

#include "engine/category_table.h"
#include "engine/purge_report.h"
#include "forms/main/main_form_style.h"

namespace app {

namespace {

std::string WhyOf(const engine::StepFinished& step, const engine::Leftovers& left) {
    switch (step.outcome) {
        case engine::Outcome::Refused:
            return "refused: " + step.reason;
        case engine::Outcome::Stopped:
            return step.reason == engine::kReasonStopRequested ? "stopped"
                                                               : "stopped: " + step.reason;
        case engine::Outcome::Missing:
            return "not present";
        case engine::Outcome::Done:
            break;
    }
    if (!step.note.empty()) return step.note;
    return left.CommonReason();
}

}  // namespace

AnalysisRow AnalysisRowOf(const engine::StepFinished& step) {
    engine::Leftovers left;
    left.Add(step.failures);
    return {std::string(step.row.name), step.files, step.bytes, left.Count(), WhyOf(step, left)};
}

AnalysisView::AnalysisView(ui::Control* parent, const ui::Rect& bounds) : ListView1(parent) {
    ListView1.SetName("ListView1");
    ListView1.SetBounds(bounds);
    ListView1.SetGridLines(true);
    ListView1.SetRowSelect(true);
    ListView1.SetFont(mainform::TealBoldArial());
    ListView1.AddColumn({"Category", 112});
    ListView1.AddColumn({"Files", 50, ui::Alignment::Right});
    ListView1.AddColumn({"Size", 66, ui::Alignment::Right});
    ListView1.AddColumn({"Stays", 44, ui::Alignment::Right});
    ListView1.AddColumn({"Why", 240});
    ListView1.SetVisible(false);
    ListView1.OnColumnClick = [this](int column) { SortBy(column); };
}

void AnalysisView::Show(std::vector<AnalysisRow> rows) {
    rows_ = std::move(rows);
    column_ = kSize;
    reversed_ = false;
    Sort();
    ListView1.SetVisible(true);
}

void AnalysisView::SortBy(int column) {
    reversed_ = column == column_ && !reversed_;
    column_ = column;
    Sort();
}

void AnalysisView::Sort() {
    auto key = [this](const AnalysisRow& r) {
        switch (column_) {
            case kFiles:
                return std::make_tuple(r.files, std::string());
            case kSize:
                return std::make_tuple(r.bytes, std::string());
            case kStays:
                return std::make_tuple(r.stays, std::string());
            case kWhy:
                return std::make_tuple(std::uint64_t{0}, r.why);
            default:
                return std::make_tuple(std::uint64_t{0}, r.name);
        }
    };
    // Numbers largest first, text from A; a tie keeps the run's order.
    const bool text = column_ == kCategory || column_ == kWhy;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const AnalysisRow& a, const AnalysisRow& b) {
        const bool before = text ? key(a) < key(b) : key(b) < key(a);
        const bool after = text ? key(b) < key(a) : key(a) < key(b);
        return reversed_ ? after : before;
    });
    std::vector<ui::ListView::Row> cells;
    for (const AnalysisRow& r : rows_)
        cells.push_back({r.name, std::to_string(r.files), engine::FormatBytes(r.bytes),
                         std::to_string(r.stays), r.why});
    ListView1.SetRows(std::move(cells));
}

}  // namespace app
