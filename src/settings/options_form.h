#pragma once
// TForm2: the options window. It holds the user's choices for the program run (the Options
// model, which its check boxes are bound to), and at its creation applies the chosen language
// file to the main window and to itself.

#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/retranslate.h"
#include "ui/form.h"

class TForm2 : public ui::Form {
public:
    TForm2(ui::Application& application, const settings::Languages& languages,
           settings::RetranslationTarget& mainWindow, settings::Options& options);

    void FormCreate();

private:
    const settings::Languages& languages_;
    settings::RetranslationTarget& mainWindow_;
    settings::Options& options_;
};
