// Paint cost of the check box, radio controls and speed buttons at the program's sizes.
#include <benchmark/benchmark.h>

#include <functional>

#include "controls/glyphs/button_glyphs.h"
#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_radio_group.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/wqm_speed_button.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/raster_canvas.h"

namespace {

template <typename T>
void PaintButtonOnce(benchmark::State& state, int width, int height,
                     const std::function<void(T&, ui::HeadlessBackend&)>& setup) {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    ui::Form form(app);
    form.SetClientSize(width + 10, height + 10);
    T control(&form);
    control.SetBounds(0, 0, width, height);
    form.ShowForm();
    setup(control, backend);
    ui::Bitmap target(width, height);
    for (auto _ : state) {
        ui::RasterCanvas canvas(target);
        control.Paint(canvas);
        benchmark::DoNotOptimize(target.Pixels().data());
    }
}

void BM_Paint_CheckBox_Checked(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPCheckBox>(state, 170, 17, [](auto& c, auto&) {
        c.SetCaption("Temp (Windows)");
        c.SetChecked(true);
    });
}
BENCHMARK(BM_Paint_CheckBox_Checked);

void BM_Paint_CheckBox_Hot(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPCheckBox>(state, 170, 17, [](auto& c, auto& backend) {
        c.SetCaption("Temp (Windows)");
        backend.MoveMouse(c, {5, 5});
    });
}
BENCHMARK(BM_Paint_CheckBox_Hot);

void BM_Paint_RadioButton_Checked(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPRadioButton>(state, 170, 17, [](auto& c, auto&) {
        c.SetCaption("No Write History");
        c.SetChecked(true);
    });
}
BENCHMARK(BM_Paint_RadioButton_Checked);

void BM_Paint_RadioGroup(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPRadioGroup>(
        state, 185, 105, [](auto& c, auto&) { c.SetCaption("View processing"); });
}
BENCHMARK(BM_Paint_RadioGroup);

void BM_Paint_SpeedButton_Tool45x21(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPSpeedButton>(
        state, 45, 21, [](auto& c, auto&) { c.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::Help)); });
}
BENCHMARK(BM_Paint_SpeedButton_Tool45x21);

void BM_Paint_SpeedButton_BeginFlatHot48x35(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPSpeedButton>(state, 48, 35, [](auto& c, auto& backend) {
        c.SetFlat(true);
        c.SetGlyph(glyphs::BeginGlyph());
        backend.MoveMouse(c, {5, 5});
    });
}
BENCHMARK(BM_Paint_SpeedButton_BeginFlatHot48x35);

void BM_Paint_SpeedButton_AllFlat21x21(benchmark::State& state) {
    PaintButtonOnce<controls::TKVZXPSpeedButton>(state, 21, 21, [](auto& c, auto&) {
        c.SetFlat(true);
        c.SetLayout(controls::TButtonLayout::blGlyphRight);
        c.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::All));
    });
}
BENCHMARK(BM_Paint_SpeedButton_AllFlat21x21);

void BM_Paint_WQMSpeedButton_Hot23x22(benchmark::State& state) {
    PaintButtonOnce<controls::TWQMSpeedButton>(state, 23, 22, [](auto& c, auto& backend) {
        c.SetFlat(true);
        c.SetFlatStyle(controls::TWQMSpeedBtnFlatStyle::bfsBorderless);
        c.SetGlyph(glyphs::GroupSelectGlyph(false));
        c.SetHotGlyph(glyphs::GroupSelectGlyph(true));
        backend.MoveMouse(c, {5, 5});
    });
}
BENCHMARK(BM_Paint_WQMSpeedButton_Hot23x22);

}  // namespace
