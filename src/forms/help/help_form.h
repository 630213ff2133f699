#pragma once
// TForm3: the help window: the help page in an embedded web browser, which a 50 ms timer keeps
// sized to the window, and the program's logo over the page's top-left corner.

#include "ui/form.h"
#include "ui/image.h"
#include "ui/timer.h"
#include "ui/web_browser.h"

class TForm3 : public ui::Form {
  public:
    explicit TForm3(ui::Application& application);

    // "Help": writes the help page into the browser, then shows the window. A page the browser
    // does not take raises the browser's error, and the window stays as it was.
    void ShowHelpPage();
    // Fits the browser to the window inside its frame and caption, whatever the window's size.
    void Timer1Timer();

    // Made before the browser, so that it lies above it.
    ui::Control Panel1{this};
    ui::Image Image1{&Panel1};
    ui::WebBrowser WebBrowser1{this};
    ui::Timer Timer1;
};
