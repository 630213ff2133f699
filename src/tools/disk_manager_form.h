#pragma once
// TForm5: the disk manager: tabulates the logical drives.

#include "settings/language_files.h"
#include "ui/form.h"

class TForm5 : public ui::Form {
public:
    TForm5(ui::Application& application, const settings::Languages& languages);

    // Applies this window's section of the language file in use, if any.
    void FormCreate();

private:
    const settings::Languages& languages_;
};
