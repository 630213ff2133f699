#include "app/windows.h"

#include "app/main_form.h"
#include "settings/options_form.h"
#include "tools/disk_manager_form.h"
#include "tools/help_form.h"
#include "tools/log_manager_form.h"
#include "tools/process_manager_form.h"
#include "tools/type_manager_form.h"
#include "ui/application.h"

namespace app {

namespace {
// Creates one window, gives it its native peer and runs its creation handler.
template <typename Form>
std::unique_ptr<Form> Create(Program& program, Form*& reference) {
    auto form = std::make_unique<Form>(program);
    reference = form.get();
    form->Realize();
    if constexpr (requires { form->FormCreate(); }) {
        program.application.Guard([&] { form->FormCreate(); });
    }
    return form;
}
}  // namespace

Windows::Windows(ui::Application& application, const platform::Services& services)
    : program_{application, services} {
    // The order matters: the options window applies its settings to the main window.
    form1_ = Create(program_, program_.Form1);
    form2_ = Create(program_, program_.Form2);
    form3_ = Create(program_, program_.Form3);
    form4_ = Create(program_, program_.Form4);
    form5_ = Create(program_, program_.Form5);
    form6_ = Create(program_, program_.Form6);
    form7_ = Create(program_, program_.Form7);
}

Windows::~Windows() {
    // Last created first, as the owner of all windows destroys its components.
    ui::Form* order[] = {form7_.get(), form6_.get(), form5_.get(), form4_.get(),
                         form3_.get(), form2_.get(), form1_.get()};
    for (ui::Form* form : order) form->BeforeDestruction();
    form7_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form3_.reset();
    form2_.reset();
    form1_.reset();
}

}  // namespace app
