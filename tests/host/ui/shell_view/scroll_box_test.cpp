#include "ui/scroll_box.h"

#include <gtest/gtest.h>

#include "host/tab_to.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

struct ScrollBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    ui::ScrollBox box{&form};
    ui::Control a{&box};
    ui::Control b{&box};

    ScrollBoxTest() {
        box.SetBounds(0, 0, 189, 100);
        a.SetBounds(4, 0, 170, 60);
        b.SetBounds(4, 70, 170, 180);  // content ends at 250
        form.Realize();
    }
};

TEST_F(ScrollBoxTest, ScrollingMovesTheChildrenWithinTheRange) {
    EXPECT_EQ(box.ContentHeight(), 250);
    EXPECT_EQ(box.MaxScroll(), 150);
    box.SetScrollPos(40);
    EXPECT_EQ(a.Top(), -40);
    EXPECT_EQ(b.Top(), 30);
    EXPECT_EQ(box.ContentHeight(), 250);
    box.SetScrollPos(1000);
    EXPECT_EQ(box.ScrollPos(), 150);
    EXPECT_EQ(b.Bounds().bottom, 100);
    box.SetScrollPos(-5);
    EXPECT_EQ(box.ScrollPos(), 0);
    EXPECT_EQ(a.Top(), 0);
    EXPECT_EQ(b.Top(), 70);
}

TEST_F(ScrollBoxTest, WheelNotchesScrollThreeLinesAndFineStepsAccumulate) {
    box.SetLineStep(10);
    box.Wheel(-120);
    EXPECT_EQ(box.ScrollPos(), 30);
    box.Wheel(-60);
    EXPECT_EQ(box.ScrollPos(), 30);
    box.Wheel(-60);
    EXPECT_EQ(box.ScrollPos(), 60);
    box.Wheel(240);
    EXPECT_EQ(box.ScrollPos(), 0);
}

// The keyboard's way through the content scrolls it, down to a control inside a child.
TEST_F(ScrollBoxTest, TheFocusedControlIsScrolledIntoView) {
    ui::Control inner{&b};
    inner.SetBounds(4, 150, 100, 20);  // at 220..240 of the content
    inner.SetTabStop(true);
    form.ShowForm();
    ASSERT_TRUE(hosttest::TabTo(backend, inner));
    EXPECT_EQ(box.ScrollPos(), 140);
    EXPECT_EQ(inner.ClientToScreen({0, 0}).y - box.ClientToScreen({0, 0}).y, 80);
}

TEST_F(ScrollBoxTest, ScrollInViewAndShrinkingContent) {
    box.ScrollInView(b);  // 180 tall, taller than the box: its top comes to the top
    EXPECT_EQ(box.ScrollPos(), 70);
    EXPECT_EQ(b.Top(), 0);
    box.ScrollInView(a);
    EXPECT_EQ(box.ScrollPos(), 0);
    box.SetScrollPos(150);
    // The big child goes: the position may not stay past the new end.
    b.Hide();
    box.ContentChanged();
    EXPECT_EQ(box.MaxScroll(), 0);
    EXPECT_EQ(box.ScrollPos(), 0);
    EXPECT_EQ(a.Top(), 0);
    // A taller box has nothing to scroll.
    b.Show();
    box.SetBounds(0, 0, 189, 400);
    EXPECT_EQ(box.MaxScroll(), 0);
}

}  // namespace
