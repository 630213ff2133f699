#include "app/skarvel_app.h"

#include "app/main_form.h"
#include "app/windows.h"
#include "ui/application.h"

namespace app {

int RunSkarvel(ui::Backend& backend, const platform::Services& services) {
    ui::Application application(backend);
    application.SetTitle("Skarvel");
    Windows windows(application, services);
    windows.GetProgram().Form1->ShowForm();
    application.Run();
    return 0;
}

}  // namespace app
