#include "platform/win32/ui/paint_over.h"

#include <commctrl.h>

#include "platform/win32/ui/gdi_canvas.h"
#include "ui/application.h"
#include "ui/control.h"

namespace platform::win32 {

LRESULT PaintNativeThenOver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            ui::Control& control, const ui::ColorResolver& colors) {
    LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return result;
    RECT window;
    GetWindowRect(hwnd, &window);
    ui::Rect whole{0, 0, window.right - window.left, window.bottom - window.top};
    {
        GdiCanvas canvas(dc, colors);
        control.App().Guard([&] { control.PaintOverWindow(canvas, whole); });
    }
    ReleaseDC(hwnd, dc);
    return result;
}

void InvalidateWithFrame(HWND hwnd, const RECT* r) {
    RedrawWindow(hwnd, r, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

}  // namespace platform::win32
