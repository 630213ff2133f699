#pragma once
// A shown form on the headless backend, for painting and input tests of the buttons.

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

struct ButtonsFixture : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};

    ButtonsFixture() {
        form.SetClientSize(400, 300);
        form.SetColor(ui::Hex(0x008080));
    }
    void Show() { form.ShowForm(); }
    // The control's client area as painted in the form.
    ui::Bitmap Render(ui::Control& c) {
        ui::Bitmap all = backend.Render(form);
        ui::Point at = c.ClientToScreen({0, 0}) - form.ClientToScreen({0, 0});
        ui::Bitmap part(c.Width(), c.Height());
        part.CopyFrom(all, ui::Rect::FromSize(at.x, at.y, c.Width(), c.Height()), 0, 0);
        return part;
    }
};
