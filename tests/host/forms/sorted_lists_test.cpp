// The program's sorted lists order names as the platform does (the toolkit's backend), not by
// a rule of their own: the process list, the log and language lists, the main file list.

#include <string_view>

#include "forms/log_manager/log_manager_form.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "forms/process_manager/process_manager_form.h"
#include "host/forms/tools_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using toolstest::ToolsTest;

platform::ShellItem File(std::string name) {
    platform::ShellItem item;
    item.name = std::move(name);
    item.attributes = platform::attr::kArchive;
    return item;
}

TEST_F(ToolsTest, SortedListsOrderNamesAsThePlatformDoes) {
    // An order no rule of the lists' own gives: the longer name first, ties as they came.
    backend.collation = [](std::string_view a, std::string_view b) {
        return static_cast<int>(b.size()) - static_cast<int>(a.size());
    };
    fakes.processes.ids = std::vector<std::uint32_t>{1, 2, 3};
    fakes.processes.paths = {
        {1, "C:\\a.exe"}, {2, "C:\\Program Files\\long.exe"}, {3, "C:\\mid.exe"}};
    const std::string app = fakes.system.applicationFolder;
    for (const char* name : {"1.log", "22.log", "333.log"})
        fakes.files.AddFile(app + "log\\" + name);
    for (const char* name : {"De.MordaunLang", "Russian.MordaunLang", "Xx.MordaunLang"})
        fakes.files.AddFile(app + "Language\\" + name);
    fakes.shellFolder.recycleBin = {File("b.doc"), File("ccc.doc"), File("a.doc")};

    app::WindowList& w = Start();
    w.Open(forms::WindowId::ProcessManager);
    EXPECT_EQ(w.Get<TForm6>().KVZXPListBox1.Items(),
              (Lines{"C:\\Program Files\\long.exe", "C:\\mid.exe", "C:\\a.exe"}));
    EXPECT_EQ(w.Get<TForm4>().FileListBox1.Items(), (Lines{"333.log", "22.log", "1.log"}));
    EXPECT_EQ(w.OptionsWindow().FileListBox1.Items(),
              (Lines{"Russian.MordaunLang", "De.MordaunLang", "Xx.MordaunLang"}));
    backend.AdvanceTime(1);  // the bin is listed once the window is up
    std::vector<std::string> shown;
    for (const platform::ShellItem& item : w.MainWindow().ShellListView1.Items())
        shown.push_back(item.name);
    EXPECT_EQ(shown, (Lines{"ccc.doc", "a.doc", "b.doc"}));  // a tie goes by exact name
}

}  // namespace
