#include "ui/color_box.h"

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

struct ColorBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    ui::ColorBox box{&form};
    int changes = 0;

    ColorBoxTest() {
        box.SetBounds(0, 0, 97, 22);
        box.SetItems({{"clRed", ui::clRed}, {"clLime", ui::clLime}, {"clBlue", ui::clBlue}});
        box.OnChange = [this] { ++changes; };
        form.Realize();
    }
};

TEST_F(ColorBoxTest, OnlyTheUsersChoiceRaisesOnChangeAndAnIndexOutsideSelectsNothing) {
    box.SetItemIndex(1);
    EXPECT_EQ(box.Selected(), ui::clLime);
    box.SetItemIndex(3);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Selected(), ui::clNone);
    EXPECT_EQ(changes, 0);
    box.SetItemIndexFromPeer(2);
    EXPECT_EQ(box.Selected(), ui::clBlue);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(backend.PeerKind(box), "colorbox");
}

}  // namespace
