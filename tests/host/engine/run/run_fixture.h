#pragma once
// A cleaning run against fakes: the main window stands in as a recording view.

#include <set>
#include <string>
#include <vector>

#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "fakes/fake_services.h"
#include "platform/portable/ini_profile.h"

namespace runtest {

using engine::Category;
using engine::Choice;

// Records every call the run makes, in order: "status X", "log X", "show X", "refresh",
// "cue N", "error X".
class RecordingView : public engine::CleaningView {
  public:
    std::set<Category> checked;
    std::set<Choice> selected = {Choice::NoWriteHistory, Choice::NoWriteRecent,
                                 Choice::CutOffDrWatson};
    std::string root;  // the file list's root
    std::vector<std::string> events;
    std::vector<std::string> lines;  // the activity log
    std::vector<Category> asked;     // check boxes in the order they were read

    bool IsChecked(Category category) override {
        asked.push_back(category);
        return checked.count(category) != 0;
    }
    bool IsSelected(Choice choice) override { return selected.count(choice) != 0; }
    void SetStatus(const std::string& text) override { events.push_back("status " + text); }
    void AppendLog(const std::string& line) override {
        lines.push_back(line);
        events.push_back("log " + line);
    }
    void ShowFolder(const std::string& folder) override {
        root = folder;
        events.push_back("show " + folder);
    }
    std::string FileListRoot() override { return root; }
    void RefreshFileList() override { events.push_back("refresh"); }
    void PlayCue(int cue) override { events.push_back("cue " + std::to_string(cue)); }
    void ShowError(const std::string& text) override { events.push_back("error " + text); }
    platform::WindowHandle OwnerWindow() override { return &ownerTag; }

    int ownerTag = 0;
};

class RunTest {
  public:
    RunTest() {
        fake.shell.specialFolders = {
            {8, "C:\\Documents and Settings\\user\\Recent"},
            {32, "C:\\Documents and Settings\\user\\Local Settings\\Temporary Internet Files"},
            {33, "C:\\Documents and Settings\\user\\Cookies"},
            {34, "C:\\Documents and Settings\\user\\Local Settings\\History"},
        };
        fake.files.AddFolder("C:\\WINDOWS\\system32");
        fake.files.AddFolder("C:\\Program Files\\Skarvel");
    }

    void Clean() { engine::RunCleaning(services, paths, view); }

    static constexpr const char* kOpera =
        "C:\\Documents and Settings\\user\\Application Data\\Opera\\Opera\\profile\\";
    static constexpr const char* kSettings = "C:\\Program Files\\Skarvel\\Mordaun.ini";

    fakes::FakeServices fake;
    platform::portable::IniProfile profile{fake.files};
    engine::CleaningServices services{fake.files,    fake.system, profile,
                                      fake.registry, fake.shell,  fake.urlCache};
    engine::CleaningPaths paths{fake.system, fake.shell};
    RecordingView view;
};

}  // namespace runtest
