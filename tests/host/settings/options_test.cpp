#include "settings/options.h"

#include <gtest/gtest.h>

#include "controls/kvzxp_check_box.h"
#include "forms/options/check_box_binding.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

TEST(CheckBoxBinding, TheBoxAndItsOptionNeverDisagree) {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    ui::Form form(app);
    controls::TKVZXPCheckBox box(&form);
    box.SetBounds(0, 0, 100, 17);
    form.ShowForm();
    settings::Options options;
    {
        settings::CheckBoxBinding binding(box, options.sound);
        EXPECT_TRUE(box.Checked()) << "the box starts as the option";
        backend.Click(box, {5, 5});
        EXPECT_FALSE(options.sound.On()) << "a click";
        options.sound.Set(true);
        EXPECT_TRUE(box.Checked()) << "the option set by code";
        box.SetChecked(false);
        EXPECT_FALSE(options.sound.On()) << "the box set by code";
    }
    options.sound.Set(true);  // the binding is gone: nothing reaches the box
    EXPECT_FALSE(box.Checked());
}

}  // namespace
