#pragma once
// TForm4: the log manager: lists, shows, copies and deletes the saved logs.

#include "app/program.h"
#include "ui/form.h"

class TForm4 : public ui::Form {
public:
    explicit TForm4(app::Program& program);

    void FormCreate();


private:
    app::Program& program_;
};
