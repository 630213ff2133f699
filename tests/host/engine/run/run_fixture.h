#pragma once
// A cleaning run against fakes: the main window stands in as a recording view.

#include <set>
#include <string>
#include <vector>

#include "engine/category_table.h"
#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "fakes/fake_services.h"
#include "platform/portable/ini_profile.h"
#include "settings/cache_quota.h"

namespace runtest {

using engine::Category;
using engine::Choice;

// Records what the run tells, in order, the way the main window shows it: "status X",
// "log X", "show X" (a folder shown before it is emptied), "refresh", "cue N", "error X".
class RecordingView : public engine::RunSink {
  public:
    explicit RecordingView(platform::FileSystem& files) : files_(files) {}

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
    void RunStarted() override { events.push_back("status Wait please"); }
    void Started(const engine::StepStarted& step) override {
        if (!step.row.showWhileCleaning || step.folder.empty()) return;
        root = step.folder;
        events.push_back("show " + step.folder);
    }
    void Finished(const engine::StepFinished& step) override {
        if (!step.error.empty()) events.push_back("error " + step.error);
        if (step.line.empty()) return;
        lines.push_back(step.line);
        events.push_back("log " + step.line);
    }
    void PhaseDone(engine::Phase phase) override {
        if (phase == engine::Phase::Cleaning && files_.DirectoryExists(root))
            events.push_back("refresh");
        if (phase != engine::Phase::Settings) return;
        events.insert(events.end(), {"status Completed clean", "cue 1", "refresh"});
    }

  private:
    platform::FileSystem& files_;
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

    void Clean() {
        const engine::RunInput input{
            .owner = &ownerTag,
            .cacheQuotaMb = settings::SettleCacheSize(fake.files, fake.system, profile)};
        engine::RunCleaning(services, paths, input, view);
    }

    static constexpr const char* kOpera =
        "C:\\Documents and Settings\\user\\Application Data\\Opera\\Opera\\profile\\";
    static constexpr const char* kSettings = "C:\\Program Files\\Skarvel\\Mordaun.ini";

    fakes::FakeServices fake;
    platform::portable::IniProfile profile{fake.files};
    engine::CleaningServices services{fake.files,    fake.system, profile,
                                      fake.registry, fake.shell,  fake.urlCache};
    engine::CleaningPaths paths{fake.system, fake.shell};
    RecordingView view{fake.files};
    int ownerTag = 0;
};

}  // namespace runtest
