// Any bytes as a language file (any "*.MordaunLang" beside the program is offered, UTF-16 or
// not): the options window's double-click applies it to all six windows and remembers it. It
// must neither crash nor report an error, and the texts it puts on the controls are the file's
// values or the defaults. (Every text is read afresh from the file, as the program does: a run
// costs some hundred parses of the input.)

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The seven windows on fakes, made once; the language file is rewritten for each input.
struct Program {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    std::unique_ptr<app::WindowList> windows;
    std::string path;

    Program() {
        const std::string app = fakes.system.applicationFolder;
        path = app + "Language\\Fuzz.MordaunLang";
        fakes.files.AddFile(path);
        windows = std::make_unique<app::WindowList>(application, fakes.Get());
        // Nobody answers message boxes here: each one would be a report of a failure.
        application.ReplaceErrorReport([](const std::string&) { std::abort(); });
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Program program;
    std::string error;
    Check(program.fakes.files.WriteFile(
        program.path, std::string(reinterpret_cast<const char*>(data), size), error));

    TForm2& options = program.windows->OptionsWindow();
    Check(options.FileListBox1.Count() == 1);
    options.FileListBox1.SetItemIndex(0);
    options.FileListBox1DblClick();

    // Each text is the file's value for its key, or the default when the key is missing: a few
    // of the main window's, read back here.
    TForm1& main = program.windows->MainWindow();
    const auto rows = TForm1::kTexts.rows;
    for (std::size_t i = size % 7; i < rows.size(); i += 7) {
        const settings::TextRow& row = rows[i];
        const std::string expected = program.fakes.profile.ReadString(
            program.path, std::string(TForm1::kTexts.SectionOf(row)), std::string(row.key),
            std::string(row.defaultText));
        Check(row.shown(main) == expected);
    }
    Check(program.fakes.profile.ReadString(program.fakes.system.applicationFolder + "Mordaun.ini",
                                           "Laguage", "LangResultFile", "") == program.path);

    Check(program.backend.Messages().empty());
    return 0;
}
