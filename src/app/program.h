#pragma once
// What every window of the program reaches: the application, the operating-system services
// and the seven windows (one reference each; all live until the process ends).

#include "platform/services.h"

namespace ui {
class Application;
}

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

namespace app {

struct Program {
    ui::Application& application;
    platform::Services services;

    TForm1* Form1 = nullptr;  // main window
    TForm2* Form2 = nullptr;  // options
    TForm3* Form3 = nullptr;  // help
    TForm4* Form4 = nullptr;  // log manager
    TForm5* Form5 = nullptr;  // disk manager
    TForm6* Form6 = nullptr;  // process manager
    TForm7* Form7 = nullptr;  // type manager
};

}  // namespace app
