#pragma once
// TForm5: the disk manager: tabulates the logical drives.

#include "app/program.h"
#include "ui/form.h"

class TForm5 : public ui::Form {
public:
    explicit TForm5(app::Program& program);

    void FormCreate();


private:
    app::Program& program_;
};
