#pragma once
// TForm3: the help window: shows the generated help page.

#include "app/program.h"
#include "ui/form.h"

class TForm3 : public ui::Form {
public:
    explicit TForm3(app::Program& program);


private:
    app::Program& program_;
};
