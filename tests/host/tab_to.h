#pragma once
// Moving the keyboard focus as a user does: Tab, until the control has it.

#include <gtest/gtest.h>

#include "ui/control.h"
#include "ui/headless/headless_backend.h"

namespace hosttest {

inline ::testing::AssertionResult TabTo(ui::HeadlessBackend& backend, ui::Control& control) {
    for (int presses = 0; presses < 200; ++presses) {
        if (backend.Focused() == &control) return ::testing::AssertionSuccess();
        backend.PressKey(ui::key::kTab);
    }
    return ::testing::AssertionFailure() << "Tab never reached " << control.Name();
}

}  // namespace hosttest
