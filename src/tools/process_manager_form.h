#pragma once
// TForm6: the process manager: lists the running processes.

#include "settings/language_files.h"
#include "ui/form.h"

class TForm6 : public ui::Form {
public:
    TForm6(ui::Application& application, const settings::Languages& languages);

    // Applies this window's section of the language file in use, if any.
    void FormCreate();

private:
    const settings::Languages& languages_;
};
