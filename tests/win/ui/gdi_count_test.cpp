// Every window and control kind, opened, painted and closed, gives back every GDI and USER
// object it made (counted by the handle owners: Wine's GetGuiResources is a stub).

#include <gtest/gtest.h>
#include <windows.h>

#include "app/window_list.h"
#include "controls/kvzxp_list_box.h"
#include "controls/kvzxp_memo.h"
#include "fakes/fake_services.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/canvas.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/scroll_box.h"
#include "ui/shell_list_view.h"

namespace {

void PaintNow(platform::win32::Win32Backend& backend, ui::Form& form) {
    RedrawWindow(static_cast<HWND>(form.Peer()->NativeHandle()), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    backend.ProcessMessages();
}

TEST(GdiHandles, EveryWindowAndControlKindGivesBackWhatItMade) {
    platform::win32::Win32Backend backend;
    ui::Application app(backend);
    const int gdi = platform::win32::LiveGdiHandles();
    const int user = platform::win32::LiveUserHandles();
    {
        fakes::FakeServices fakes;
        fakes.files.AddFolder("C:\\WINDOWS\\system32");
        // The settings file is written at exit: its folder must be there, or the refusal would
        // be reported in a message box that waits for a user.
        const std::string folder = fakes.system.applicationFolder;
        fakes.files.AddFolder(folder.substr(0, folder.size() - 1));
        app::WindowList windows(app, fakes.Get());

        // The standard controls the program's windows do not have yet.
        ui::Form extra(app);
        extra.SetClientSize(400, 300);
        ui::ListBox plain(&extra);
        controls::TKVZXPListBox ownerDrawn(&extra);
        ownerDrawn.SetStyle(ui::ListBoxStyle::OwnerDrawFixed);
        ownerDrawn.SetItems({"one", "two"});
        ownerDrawn.SetBounds(130, 0, 120, 80);
        controls::TKVZXPMemo memo(&extra);
        memo.SetBounds(0, 100, 120, 80);
        memo.SetLines({"text"});
        ui::ScrollBox box(&extra);
        box.SetBounds(130, 100, 120, 80);
        ui::Control inBox(&box);
        inBox.SetBounds(0, 0, 100, 200);

        for (ui::Form* form : app.Forms()) {
            form->ShowForm();
            PaintNow(backend, *form);
            form->Hide();
        }
        memo.SetColor(ui::clYellow);  // a new background brush
        memo.SetFont(ui::Font{});     // a new font
        extra.ShowForm();
        PaintNow(backend, extra);
        (void)backend.CreateMeasureCanvas()->TextExtent("Skarvel");
        EXPECT_GT(platform::win32::LiveGdiHandles(), gdi) << "the counting sees the fonts in use";
    }
    EXPECT_EQ(platform::win32::LiveGdiHandles(), gdi);
    EXPECT_EQ(platform::win32::LiveUserHandles(), user);
}

}  // namespace
