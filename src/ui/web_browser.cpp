#include "ui/web_browser.h"

#include "ui/peer_factory.h"

namespace ui {

WebBrowser::WebBrowser(Control* parent) : Control(parent) {
    SetTabStop(true);
}

WebBrowser::~WebBrowser() {
    ReleasePeer();
}

void WebBrowser::WritePage(std::string html) {
    page_ = std::move(html);
    NotifyPeer(Change::Model);
}

std::unique_ptr<ControlPeer> WebBrowser::CreatePeer(PeerFactory& factory) {
    return factory.MakeWebBrowser(*this);
}

}  // namespace ui
