#pragma once
// Owns the seven windows of a program run: creates them in their fixed order and destroys
// them in the reverse order, running every window's destruction handler while all are whole.

#include <memory>

#include "app/program.h"
#include "platform/services.h"

namespace ui {
class Application;
}

namespace app {

class Windows {
public:
    Windows(ui::Application& application, const platform::Services& services);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Program& GetProgram() { return program_; }

private:
    Program program_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
};

}  // namespace app
