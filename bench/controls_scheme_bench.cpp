// Paint cost of the scheme-coloured controls at the sizes the program uses them.
#include <benchmark/benchmark.h>

#include "controls/kvzxp_button.h"
#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_header.h"
#include "controls/kvzxp_list_box.h"
#include "controls/kvzxp_memo.h"
#include "controls/xp_scheme.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/raster_canvas.h"

namespace {

// Baseline for the gradient: one solid fill of the same band.
void BM_Baseline_SolidFill_441x26(benchmark::State& state) {
    ui::Bitmap band(441, 26);
    for (auto _ : state) {
        band.FillRect({0, 0, 441, 26}, ui::Hex(0xC6D7F7));
        benchmark::DoNotOptimize(band.Pixels().data());
    }
}
BENCHMARK(BM_Baseline_SolidFill_441x26);

// The controls' own kind of fraying sequence: xorshift.
class Xorshift final : public controls::DitherGenerator {
  public:
    int Below(int bound) override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return bound > 0 ? static_cast<int>(state_ % static_cast<unsigned>(bound)) : 0;
    }

  private:
    unsigned state_ = 2463534242u;
};

void BM_PaintXPGradient_441x26(benchmark::State& state) {
    ui::Bitmap band;
    Xorshift dither;
    for (auto _ : state) {
        controls::PaintXPGradient(441, 26, ui::clWhite, ui::Hex(0xC6D7F7), 24, 0, true, band,
                                  dither);
        benchmark::DoNotOptimize(band.Pixels().data());
    }
}
BENCHMARK(BM_PaintXPGradient_441x26);

void BM_PaintXPGradient_441x26_255Steps(benchmark::State& state) {
    ui::Bitmap band;
    Xorshift dither;
    for (auto _ : state) {
        controls::PaintXPGradient(441, 26, ui::clWhite, ui::Hex(0xEFEBE7), 255, 1, true, band,
                                  dither);
        benchmark::DoNotOptimize(band.Pixels().data());
    }
}
BENCHMARK(BM_PaintXPGradient_441x26_255Steps);

// Paints CONTROL once per iteration into a bitmap of its size, as its window would.
template <typename T, typename Setup>
void PaintOnce(benchmark::State& state, int width, int height, Setup setup) {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    ui::Form form(app);
    form.SetClientSize(width + 10, height + 10);
    T control(&form);
    control.SetBounds(0, 0, width, height);
    setup(control);
    form.Realize();
    ui::Bitmap target(width, height);
    for (auto _ : state) {
        ui::RasterCanvas canvas(target);
        control.Paint(canvas);
        control.PaintOverWindow(canvas, control.ClientRect());
        benchmark::DoNotOptimize(target.Pixels().data());
    }
}

void BM_Header_481x40(benchmark::State& state) {
    PaintOnce<controls::TKVZXPHeader>(state, 481, 40, [](controls::TKVZXPHeader& h) {
        h.SetCaption("Processing");
        h.SetColor(ui::clTeal);
        h.SetEnabled(false);
    });
}
BENCHMARK(BM_Header_481x40);

void BM_CollapsePanel_481x300(benchmark::State& state) {
    PaintOnce<controls::TKVZXPCollapsePanel>(state, 481, 300,
                                             [](auto& p) { p.SetColorBackground(ui::clTeal); });
}
BENCHMARK(BM_CollapsePanel_481x300);

void BM_GroupBox_185x105(benchmark::State& state) {
    PaintOnce<controls::TKVZXPGroupBox>(state, 185, 105, [](auto& g) { g.SetCaption("Tray"); });
}
BENCHMARK(BM_GroupBox_185x105);

void BM_Button_75x25(benchmark::State& state) {
    PaintOnce<controls::TKVZXPButton>(state, 75, 25,
                                      [](auto& b) { b.SetCaption("Default Click"); });
}
BENCHMARK(BM_Button_75x25);

void BM_ListBox_400x250(benchmark::State& state) {
    PaintOnce<controls::TKVZXPListBox>(state, 400, 250, [](auto& l) {
        l.SetStyle(ui::ListBoxStyle::OwnerDrawFixed);
        l.SetItemHeight(16);
        std::vector<std::string> items;
        for (int i = 0; i < 40; ++i) items.push_back("process" + std::to_string(i) + ".exe");
        l.SetItems(items);
    });
}
BENCHMARK(BM_ListBox_400x250);

void BM_Memo_400x250(benchmark::State& state) {
    PaintOnce<controls::TKVZXPMemo>(state, 400, 250, [](auto& m) {
        std::vector<std::string> lines(30, "Temp(Windows) (log line)");
        m.SetLines(lines);
        m.SetColor(ui::Hex(0xCBDBF8));
    });
}
BENCHMARK(BM_Memo_400x250);

}  // namespace
