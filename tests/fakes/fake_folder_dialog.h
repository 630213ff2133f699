#pragma once
// A folder dialog for tests. Browse records the request, then plays a script against the
// callback (the messages a user's actions make the dialog send), recording what the callback
// sends back, and ends with the chosen path or a cancel.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_dialog.h"

namespace fakes {

class FakeFolderDialog : public platform::FolderDialog, private platform::FolderDialogWindow {
  public:
    struct Step {
        unsigned message;
        std::string itemPath;  // for a selection change
    };
    // Played at each Browse.
    std::vector<Step> script{{platform::browse::kInitialized, ""}};
    // What the user ends with: a path, or nullopt for cancel.
    std::optional<std::string> choice;
    platform::ScreenRect rect{100, 80, 320, 360};

    std::vector<platform::BrowseRequest> requests;
    // What the callback sent, in order ("status X", "select X", "ok 1", "move L,T,W,H").
    std::vector<std::string> sent;
    std::vector<int> answers;
    // The component's DialogHandle seen from inside each EnableOk.
    std::function<void()> onEnableOk;

    std::optional<std::string> Browse(const platform::BrowseRequest& request,
                                      const platform::BrowseCallback& callback) override {
        requests.push_back(request);
        for (const Step& step : script)
            answers.push_back(callback(*this, step.message, step.itemPath));
        return choice;
    }

    static platform::WindowHandle DialogHandleValue() {
        static int dialog;
        return &dialog;
    }

  private:
    platform::WindowHandle Handle() const override { return DialogHandleValue(); }
    void SetStatusText(const std::string& text) override { sent.push_back("status " + text); }
    void SetSelection(const std::string& path) override { sent.push_back("select " + path); }
    void EnableOk(bool enable) override {
        sent.push_back(std::string("ok ") + (enable ? "1" : "0"));
        if (onEnableOk) onEnableOk();
    }
    platform::ScreenRect WindowRect() const override { return rect; }
    void Move(const platform::ScreenRect& r) override {
        sent.push_back("move " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                       std::to_string(r.width) + "," + std::to_string(r.height));
        rect = r;
    }
};

}  // namespace fakes
