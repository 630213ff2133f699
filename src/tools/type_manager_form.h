#pragma once
// TForm7: the type manager: lists the registered file types.

#include "app/program.h"
#include "ui/form.h"

class TForm7 : public ui::Form {
public:
    explicit TForm7(app::Program& program);

    void FormCreate();


private:
    app::Program& program_;
};
