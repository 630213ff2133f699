#pragma once
// The platform's folder dialog (the shell's "browse for folder"), as the folder browser
// component drives it: the request it opens with, the open dialog its callback addresses,
// and the callback's messages. The dialog's tree is rooted at the desktop.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/window_handle.h"

namespace platform {

// Request flags and callback messages, numbered as the platform numbers them.
namespace browse {
constexpr std::uint32_t kStatusText = 0x4;
constexpr std::uint32_t kEditBox = 0x10;
constexpr std::uint32_t kNewDialogStyle = 0x40;  // resizable; needs OLE, which the call sets up

constexpr unsigned kInitialized = 1;  // once, when the dialog has opened
constexpr unsigned kSelChanged = 2;   // at every change of the selection
}  // namespace browse

struct BrowseRequest {
    WindowHandle owner = nullptr;
    std::string title;  // shown above the tree; empty: none
    std::uint32_t flags = 0;
};

// A window rectangle in screen coordinates.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The open dialog, as its callback addresses it. Each call is one message to the dialog.
class FolderDialogWindow {
  public:
    virtual WindowHandle Handle() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // Selects the folder at PATH in the tree (the dialog keeps its selection when none is there).
    virtual void SetSelection(const std::string& path) = 0;
    virtual void EnableOk(bool enable) = 0;
    virtual ScreenRect WindowRect() const = 0;
    // Moves and sizes the dialog without repainting it.
    virtual void Move(const ScreenRect& rect) = 0;

  protected:
    ~FolderDialogWindow() = default;
};

// The dialog's callback: a MESSAGE (browse::k...) and, for a selection change, the new item's
// file-system path ("" for an item that has none, such as the computer). Returns the answer
// the dialog expects (0).
using BrowseCallback =
    std::function<int(FolderDialogWindow& dialog, unsigned message, const std::string& itemPath)>;

class FolderDialog {
  public:
    virtual ~FolderDialog() = default;
    // Runs the dialog modally and calls CALLBACK from its message loop. Returns the chosen
    // item's file-system path ("" for an item without one), or nullopt when the user
    // cancelled or the dialog could not be shown. An exception from CALLBACK closes the dialog
    // and is raised again from here.
    virtual std::optional<std::string> Browse(const BrowseRequest& request,
                                              const BrowseCallback& callback) = 0;
};

}  // namespace platform
