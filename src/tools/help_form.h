#pragma once
// TForm3: the help window: shows the generated help page.

#include "ui/form.h"

class TForm3 : public ui::Form {
public:
    explicit TForm3(ui::Application& application);
};
