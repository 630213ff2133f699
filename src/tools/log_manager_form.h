#pragma once
// TForm4: the log manager: lists, shows, copies and deletes the saved logs.

#include "settings/language_files.h"
#include "ui/form.h"

class TForm4 : public ui::Form {
public:
    TForm4(ui::Application& application, const settings::Languages& languages);

    // Applies this window's section of the language file in use, if any.
    void FormCreate();

private:
    const settings::Languages& languages_;
};
