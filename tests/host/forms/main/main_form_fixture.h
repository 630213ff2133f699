#pragma once
// The seven windows on fakes, with the main window at hand and one ordered trace of what the
// user would notice: pauses (with the boxes checked at that moment), cues and list moves.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace mainformtest {

class MainFormTest : public ::testing::Test {
  protected:
    // Records every pause as "sleep 50 [checked boxes]".
    class TraceSystem : public fakes::FakeSystem {
      public:
        MainFormTest* test = nullptr;
        void Sleep(int milliseconds) override {
            fakes::FakeSystem::Sleep(milliseconds);
            test->trace.push_back("sleep " + std::to_string(milliseconds) + " [" +
                                  test->CheckedBoxes() + "]");
        }
    };
    // Records every cue as "cue N [checked boxes]".
    class TraceSound : public platform::Sound {
      public:
        MainFormTest* test = nullptr;
        void PlayAsync(const std::string& name) override {
            const std::size_t slash = name.rfind('\\');
            test->trace.push_back("cue " + name.substr(slash + 1, 1) + " [" + test->CheckedBoxes() +
                                  "]");
        }
    };

    MainFormTest() {
        system.test = this;
        sound.test = this;
        fakes.files.AddFolder("C:\\WINDOWS\\system32");
        fakes.files.AddFolder("C:\\Program Files\\Skarvel");
    }

    // Creates the windows; call after arranging the fakes.
    TForm1& Start() {
        platform::Services services = fakes.Get();
        services.system = &system;
        services.sound = &sound;
        windows = std::make_unique<app::WindowList>(application, services);
        TForm1& form = windows->MainWindow();
        form.ShellListView1.OnChange = [this, &form] {
            trace.push_back("list " + form.ShellListView1.Root());
        };
        trace.clear();
        return form;
    }
    TForm1& Form() { return windows->MainWindow(); }

    // The numbers of the checked category boxes, "1,2,3".
    std::string CheckedBoxes() {
        std::string out;
        if (!windows) return out;
        for (int n = 1; n <= 27; ++n) {
            if (!Form().CheckBox(n).Checked()) continue;
            if (!out.empty()) out += ",";
            out += std::to_string(n);
        }
        return out;
    }
    // A user click in the middle of CONTROL.
    void ClickOn(ui::Control& control) {
        backend.Click(control, {control.Width() / 2, control.Height() / 2});
    }
    std::vector<std::string> TakeTrace() { return std::exchange(trace, {}); }

    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    // These stand in for fakes.system and fakes.sound.
    TraceSystem system;
    TraceSound sound;
    std::unique_ptr<app::WindowList> windows;
    std::vector<std::string> trace;
};

inline constexpr const char* kOpera =
    "C:\\Documents and Settings\\user\\Application Data\\Opera\\Opera\\profile\\";

}  // namespace mainformtest
