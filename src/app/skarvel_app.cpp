#include "app/skarvel_app.h"

#include "app/window_list.h"
#include "controls/glyphs/button_glyphs.h"
#include "controls/xp_scheme.h"
#include "controls/xp_theme_detect.h"
#include "forms/main/main_form.h"
#include "ui/application.h"

namespace app {

int RunSkarvel(ui::Backend& backend, const platform::Services& services) {
    ui::Application application(backend);
    application.SetTitle("Skarvel");
    // The program's own pointing hand over headers and category captions.
    glyphs::CursorImage hand = glyphs::HandCursor();
    backend.SetCursorImage(ui::Cursor::Hand, hand.image, glyphs::kTransparent, hand.hotSpot);
    // Controls in the automatic scheme follow the desktop theme.
    (void)controls::SetSchemeDetector(
        application, [&services] { return controls::DetectXPColorScheme(*services.system); });
    bool started = false;
    // A window that cannot be made ends the start with the general error report.
    application.Guard([&] {
        WindowList windows(application, services);
        windows.MainWindow().ShowForm();
        started = true;
        application.Run();
    });
    return started ? 0 : 1;
}

}  // namespace app
