#include "settings/options_form.h"

#include "controls/window_frame.h"

TForm2::TForm2(ui::Application& application, const settings::Languages& languages,
               settings::RetranslationTarget& mainWindow, settings::Options& options)
    : ui::Form(application), languages_(languages), mainWindow_(mainWindow), options_(options) {
    SetName("Form2");
    controls::ApplyWindowFrame(*this, {"Mechanical Options Skarvel", 361, 305, true});
    OnCreate = [this] { FormCreate(); };
}

void TForm2::FormCreate() {
    (void)languages_.ApplyOnOptionsCreate(mainWindow_.TextTarget(), {this});
}
