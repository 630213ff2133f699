#include "ui/form_owner.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

// A form that records its creation, its destruction handler (with the forms alive then) and
// its destruction.
struct Recorded : ui::Form {
    Recorded(ui::Application& app, std::vector<std::string>& log, std::string name)
        : ui::Form(app), log_(log), name_(std::move(name)) {
        OnCreate = [this] {
            log_.push_back("create " + name_ + (Peer() ? " realised" : ""));
            if (name_ == "b") throw std::runtime_error("b failed");
        };
        OnDestroy = [this] {
            log_.push_back("handler " + name_ + " sees " + std::to_string(App().Forms().size()));
        };
    }
    ~Recorded() override { log_.push_back("gone " + name_); }
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(FormOwner, CreatesInOrderAndDestroysInReverseAfterEveryHandlerRan) {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    std::vector<std::string> reported;
    ui::ScopedErrorReport report(app, [&](const std::string& text) { reported.push_back(text); });
    std::vector<std::string> log;
    {
        ui::FormOwner forms;
        forms.Create<Recorded>(app, log, "a");
        forms.Create<Recorded>(app, log, "b");
        forms.Create<Recorded>(app, log, "c");
    }
    EXPECT_EQ(reported, std::vector<std::string>{"b failed"}) << "start-up goes on";
    EXPECT_EQ(log, (std::vector<std::string>{"create a", "create b", "create c", "handler c sees 3",
                                             "handler b sees 3", "handler a sees 3", "gone c",
                                             "gone b", "gone a"}))
        << "no native window is made before a form shows";
}

// Every way of making a form visible first makes its native window and its controls'.
TEST(FormOwner, AFormIsRealisedWhenItFirstShows) {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    std::vector<std::string> log;
    ui::FormOwner forms;
    const std::vector<std::function<void(ui::Form&)>> shows = {
        [](ui::Form& f) { f.ShowForm(); },
        [](ui::Form& f) { f.Show(); },
        [](ui::Form& f) { f.SetVisible(true); },
    };
    for (const auto& show : shows) {
        auto& form = forms.Create<Recorded>(app, log, "a");
        ui::Control child(&form);
        ASSERT_EQ(form.Peer(), nullptr);
        show(form);
        EXPECT_EQ(backend.PeerKind(form), "form");
        EXPECT_EQ(backend.PeerKind(child), "custom");
        form.Hide();
        EXPECT_NE(form.Peer(), nullptr) << "kept when hidden";
    }
}

}  // namespace
