#pragma once
// The seven windows on fakes, for the tool windows' tests: the application folder exists,
// and settings or a language file can be arranged before Start().

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/main/main_form.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace toolstest {

class ToolsTest : public ::testing::Test {
  protected:
    ToolsTest() { fakes.files.AddFolder(AppFolder()); }

    std::string AppFolder() const {
        const std::string& app = fakes.system.applicationFolder;
        return app.substr(0, app.size() - 1);
    }
    std::string SettingsPath() const { return fakes.system.applicationFolder + "Mordaun.ini"; }
    void WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) {
        fakes.profile.WriteString(SettingsPath(), section, key, value);
    }
    // A language file with CONTENTS, chosen in the settings file.
    void ChooseLanguage(const std::string& contents) {
        const std::string path = fakes.system.applicationFolder + "Language\\Test.MordaunLang";
        fakes.files.AddFile(path, contents);
        WriteSetting("Laguage", "LangResultFile", path);
    }
    app::WindowList& Start() {
        windows = std::make_unique<app::WindowList>(application, fakes.Get());
        return *windows;
    }
    // The cues played so far, by number, and forgets them.
    std::string TakeCues() {
        std::string cues;
        for (const std::string& name : fakes.sound.played)
            cues += name.substr(name.rfind('\\') + 1, 1);
        fakes.sound.played.clear();
        return cues;
    }
    void Click(ui::Control& control) {
        backend.Click(control, {control.Width() / 2, control.Height() / 2});
    }

    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    std::unique_ptr<app::WindowList> windows;
};

}  // namespace toolstest
