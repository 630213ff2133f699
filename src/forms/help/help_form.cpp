#include "forms/help/help_form.h"

#include "controls/glyphs/logo.h"
#include "controls/window_frame.h"
#include "forms/help/help_page.h"

namespace {
// The logo panel's place; the page's formatted text starts to the right of it.
constexpr int kLogoLeft = 16, kLogoTop = 16, kLogoSize = 60;
}  // namespace

TForm3::TForm3(ui::Application& application) : ui::Form(application), Timer1(application) {
    SetName("Form3");
    controls::ApplyWindowFrame(*this, {"Help Skarvel", 809, 527, false, ui::Position::Designed});
    // Unlike the tool windows, it opens maximised: it can be restored and minimised too.
    SetBorderIcons(ui::border_icon::kSystemMenu | ui::border_icon::kMinimize |
                   ui::border_icon::kMaximize);
    SetWindowState(ui::WindowState::Maximized);

    WebBrowser1.SetName("WebBrowser1");
    WebBrowser1.SetBounds(0, 0, 809, 529);
    WebBrowser1.SetTextIndent(kLogoLeft + kLogoSize + kLogoLeft);

    Panel1.SetName("Panel1");
    Panel1.SetBounds(kLogoLeft, kLogoTop, kLogoSize, kLogoSize);
    Panel1.SetCaption("Mordaun");
    Panel1.SetColor(ui::clBlack);
    Image1.SetName("Image1");
    Image1.SetBounds(0, 0, kLogoSize, kLogoSize);
    Image1.SetPicture(glyphs::Logo(kLogoSize));
    Image1.SetTransparent(true);

    // Escape closes the window, as its caption's close button does.
    AddShortcut(ui::key::kEscape, ui::shift::kNone, [this] { Close(); });

    Timer1.SetInterval(50);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TForm3::ShowHelpPage() {
    WebBrowser1.WritePage(std::string(tools::HelpPage()));
    ShowForm();
}

void TForm3::Timer1Timer() {
    WebBrowser1.SetBounds(0, 0, Width() - 10, Height() - 27);
}
