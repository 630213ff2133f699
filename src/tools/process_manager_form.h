#pragma once
// TForm6: the process manager: lists the running processes.

#include "app/program.h"
#include "ui/form.h"

class TForm6 : public ui::Form {
public:
    explicit TForm6(app::Program& program);

    void FormCreate();


private:
    app::Program& program_;
};
