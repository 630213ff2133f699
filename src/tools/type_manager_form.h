#pragma once
// TForm7: the type manager: lists the registered file types.

#include "settings/language_files.h"
#include "ui/form.h"

class TForm7 : public ui::Form {
public:
    TForm7(ui::Application& application, const settings::Languages& languages);

    // Applies this window's section of the language file in use, if any.
    void FormCreate();

private:
    const settings::Languages& languages_;
};
