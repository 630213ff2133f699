#include <gtest/gtest.h>

#include <stdexcept>

#include "host/tab_to.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/timer.h"

namespace {

struct Fixture : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
};

// A graphic control that records what reaches it.
struct Probe : ui::GraphicControl {
    using GraphicControl::GraphicControl;
    std::vector<std::string> events;
    void MouseDown(ui::MouseButton, ui::Shift, ui::Point p) override {
        events.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void MouseUp(ui::MouseButton, ui::Shift, ui::Point p) override {
        events.push_back("up " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void MouseEnter() override { events.push_back("enter"); }
    void MouseLeave() override { events.push_back("leave"); }
    void Paint(ui::Canvas& c) override { c.FillRect(ClientRect(), ui::clRed); }
};

using Dispatch = Fixture;

TEST_F(Dispatch, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    app.SetTitle("Skarvel");
    ui::Form form(app);
    Probe probe(&form);
    probe.SetBounds(0, 0, 10, 10);
    probe.OnMouseDown = [](ui::MouseButton, ui::Shift, ui::Point) {};
    form.Realize();
    int calls = 0;
    form.OnMouseDown = [&](ui::MouseButton, ui::Shift, ui::Point) {
        ++calls;
        throw std::runtime_error("Failed to set data for 'Auto'");
    };
    backend.MouseDown(form, {50, 50});
    backend.MouseDown(form, {50, 50});
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(backend.Messages().size(), 2u);
    EXPECT_EQ(backend.Messages()[0].text, "Failed to set data for 'Auto'");
    EXPECT_EQ(backend.Messages()[0].caption, "Skarvel");
    EXPECT_EQ(backend.Messages()[0].kind, ui::MessageKind::Error);
}

TEST_F(Dispatch, MouseGoesToTheGraphicChildUnderItAndStaysWhileHeld) {
    ui::Form form(app);
    form.SetClientSize(100, 100);
    Probe probe(&form);
    probe.SetBounds(10, 20, 30, 30);
    form.Realize();
    backend.MoveMouse(form, {15, 25});
    backend.MouseDown(form, {15, 25});
    backend.MoveMouse(form, {90, 90});  // dragged outside: still captured
    backend.MouseUp(form, {90, 90});
    backend.MoveMouse(form, {95, 95});
    EXPECT_EQ(probe.events, (std::vector<std::string>{"enter", "down 5,5", "leave", "up 80,70"}));
}

TEST_F(Dispatch, GraphicChildrenPaintInsideTheirBoundsOnly) {
    ui::Form form(app);
    form.SetClientSize(20, 20);
    form.SetColor(ui::clBlack);
    Probe probe(&form);
    probe.SetBounds(5, 5, 4, 3);
    form.Realize();
    ui::Bitmap b = backend.Render(form);
    EXPECT_EQ(b.Pixel(5, 5), ui::clRed);
    EXPECT_EQ(b.Pixel(8, 7), ui::clRed);
    EXPECT_EQ(b.Pixel(9, 7), ui::clBlack);
    EXPECT_EQ(b.Pixel(8, 8), ui::clBlack);
    probe.Hide();
    EXPECT_EQ(backend.Render(form).Pixel(5, 5), ui::clBlack);
}

TEST_F(Dispatch, SystemColourChangesReachEveryControl) {
    struct Counter : ui::GraphicControl {
        using GraphicControl::GraphicControl;
        int changes = 0;
        void SystemColorsChanged() override { ++changes; }
    };
    ui::Form form(app);
    ui::Control panel(&form);
    Counter direct(&form), nested(&panel);
    form.SystemColorsChanged();
    EXPECT_EQ(direct.changes, 1);
    EXPECT_EQ(nested.changes, 1);
}

TEST_F(Dispatch, TimersFireOnTheirIntervalWhileEnabled) {
    ui::Timer timer(app);
    timer.SetInterval(250);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    backend.AdvanceTime(249);
    EXPECT_EQ(ticks, 0);
    backend.AdvanceTime(1);
    EXPECT_EQ(ticks, 1);
    backend.AdvanceTime(500);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    backend.AdvanceTime(1000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Dispatch, TabMovesFocusAndEnterClicksTheDefaultControl) {
    ui::Form form(app);
    ui::Control a(&form), b(&form);
    a.SetTabStop(true);
    b.SetTabStop(true);
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    form.SetDefaultControl(&b);
    form.ShowForm();
    ASSERT_TRUE(hosttest::TabTo(backend, a));
    backend.KeyDown(ui::key::kTab);
    EXPECT_EQ(backend.Focused(), &b);
    backend.KeyDown(ui::key::kTab, ui::shift::kShift);
    EXPECT_EQ(backend.Focused(), &a);
    backend.KeyDown(ui::key::kReturn);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Dispatch, ClosingTheMainFormEndsTheProgramOthersHide) {
    ui::Form main(app), other(app);
    main.Realize();
    other.Realize();
    other.ShowForm();
    other.Close();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(app.Terminated());
    main.Close();
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(backend.TerminateRequested());
}

TEST_F(Dispatch, CentredFormsAreCentredOnTheDesktopOrTheMainForm) {
    backend.SetScreenSize({1000, 800});
    ui::Form main(app), other(app);
    main.SetClientSize(600, 400);
    main.SetPosition(ui::Position::DesktopCenter);
    other.SetClientSize(200, 100);
    other.SetPosition(ui::Position::MainFormCenter);
    main.ShowForm();
    other.ShowForm();
    EXPECT_EQ(main.Bounds(), (ui::Rect{200, 200, 800, 600}));
    EXPECT_EQ(other.Bounds(), (ui::Rect{400, 350, 600, 450}));
}

TEST_F(Dispatch, ControlsGetThePeerOfTheirKindOnceWholeAndChildrenDieFirst) {
    ui::Form form(app);
    form.Realize();
    ui::ListBox list(&form);
    ui::Label label(&form);
    ui::Memo memo(&form);
    EXPECT_EQ(list.Peer(), nullptr) << "no peer from a constructor";
    form.Realize();
    EXPECT_EQ(backend.PeerKind(form), "form");
    EXPECT_EQ(backend.PeerKind(list), "listbox");
    EXPECT_EQ(backend.PeerKind(memo), "memo");
    EXPECT_EQ(backend.PeerKind(label), "") << "painted by its parent";
#if !defined(NDEBUG) && GTEST_HAS_DEATH_TEST
    EXPECT_DEATH(
        {
            auto panel = std::make_unique<ui::Control>(&form);
            ui::Control child(panel.get());
            panel.reset();
        },
        "children are destroyed before their parent");
#endif
}

}  // namespace
