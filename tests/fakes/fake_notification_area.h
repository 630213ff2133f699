#pragma once
// A notification area for tests: the icons shown are a list (one per window and id, as the
// shell keeps them), message windows are numbered handles whose handlers a test can call as
// the shell would, and the window calls are recorded in order.

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/notification_area.h"

namespace fakes {

class FakeNotificationArea : public platform::NotificationArea {
  public:
    std::vector<platform::NotifyIconRecord> icons;  // shown now
    bool refuseAdd = false;
    // "foreground W", "post W M", "make icon WxH", one line per call.
    std::vector<std::string> calls;
    platform::IconHandle applicationIcon = reinterpret_cast<platform::IconHandle>(0x1C0);

    // Delivers MESSAGE to message window W; false when W does not take it (default processing).
    bool Deliver(platform::WindowHandle w, const platform::WindowMessage& message) {
        auto it = handlers_->find(w);
        std::intptr_t result = 0;
        return it != handlers_->end() && it->second(message, result);
    }
    int LiveWindows() const { return static_cast<int>(handlers_->size()); }

    std::unique_ptr<platform::MessageWindow> CreateMessageWindow(MessageHandler handler) override {
        auto handle = reinterpret_cast<platform::WindowHandle>(++nextHandle_ * 0x10);
        (*handlers_)[handle] = std::move(handler);
        return std::make_unique<Window>(handlers_, handle);
    }
    bool AddIcon(const platform::NotifyIconRecord& record) override {
        if (refuseAdd || Find(record) != icons.end()) return false;
        icons.push_back(record);
        return true;
    }
    bool DeleteIcon(const platform::NotifyIconRecord& record) override {
        auto it = Find(record);
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    }
    platform::IconHandle ApplicationIcon() override { return applicationIcon; }
    std::unique_ptr<platform::OwnedIcon> MakeIcon(int width, int height,
                                                  const std::vector<std::uint32_t>&,
                                                  std::uint32_t) override {
        calls.push_back("make icon " + std::to_string(width) + "x" + std::to_string(height));
        return std::make_unique<Icon>();
    }
    void BringToForeground(platform::WindowHandle window) override {
        calls.push_back("foreground " + Name(window));
    }
    void PostToWindow(platform::WindowHandle window, const platform::WindowMessage& m) override {
        calls.push_back("post " + Name(window) + " " + std::to_string(m.message) + " " +
                        std::to_string(m.wParam) + " " + std::to_string(m.lParam));
    }

  private:
    using Handlers = std::map<platform::WindowHandle, MessageHandler>;
    class Window final : public platform::MessageWindow {
      public:
        Window(std::shared_ptr<Handlers> handlers, platform::WindowHandle handle)
            : handlers_(std::move(handlers)), handle_(handle) {}
        ~Window() override { handlers_->erase(handle_); }
        platform::WindowHandle Handle() const override { return handle_; }

      private:
        std::shared_ptr<Handlers> handlers_;
        platform::WindowHandle handle_;
    };
    class Icon final : public platform::OwnedIcon {
      public:
        platform::IconHandle Handle() const override { return const_cast<Icon*>(this); }
    };
    static std::string Name(platform::WindowHandle w) {
        return w ? std::to_string(reinterpret_cast<std::uintptr_t>(w)) : "null";
    }
    std::vector<platform::NotifyIconRecord>::iterator Find(const platform::NotifyIconRecord& r) {
        return std::find_if(icons.begin(), icons.end(), [&](const platform::NotifyIconRecord& i) {
            return r.window && i.window == r.window && i.id == r.id;
        });
    }
    std::shared_ptr<Handlers> handlers_ = std::make_shared<Handlers>();
    int nextHandle_ = 0;
};

}  // namespace fakes
