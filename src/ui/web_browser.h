#pragma once
// An embedded web browser (standard control) that shows one page written from memory. The page
// is the model; the native side makes it the browser's current document, or, where no HTML
// engine can be made, shows the same page as formatted text: never a blank window.

#include <string>

#include "ui/control.h"

namespace ui {

class WebBrowser : public Control {
  public:
    explicit WebBrowser(Control* parent);
    ~WebBrowser() override;

    // Makes HTML the current document, replacing the page shown. The native side raises the
    // platform's error when the document does not take it.
    void WritePage(std::string html);
    const std::string& Page() const { return page_; }
    // How far in (pixels) the formatted text starts its lines, leaving room for what the
    // window places over the page's left edge.
    int TextIndent() const { return textIndent_; }
    void SetTextIndent(int pixels) { textIndent_ = pixels; }

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    std::string page_;
    int textIndent_ = 0;
};

}  // namespace ui
