#pragma once
// The windows as they reach each other, without naming each other's classes: start-up's list
// of windows (app/window_list.*) describes each one by what the others need of it.

#include <optional>
#include <span>
#include <vector>

#include "settings/retranslate.h"
#include "ui/color.h"
#include "ui/form.h"

namespace forms {

// The windows other windows open by name. A window that no other window opens needs none.
enum class WindowId {
    Main,
    Options,
    Help,
    LogManager,
    DiskManager,
    ProcessManager,
    TypeManager,
    KeepList
};

// One window as the others see it.
struct ListedWindow {
    std::optional<WindowId> id;  // none: no other window opens it
    ui::Form* form;
    // Its texts and its section of the language files; null: never retranslated.
    const settings::TextTable* texts;
    // Puts the colour of all windows on its header bars and panels; null: it keeps its own.
    void (*takeColor)(ui::Form& form, ui::Color color);
    // Whether the main window stays disabled while it is visible.
    bool blocksMainWindow;
    // What opening it from another window does (show it, and fill it where it fills on show).
    void (*open)(ui::Form& form);

    settings::TranslatedWindow Translated() const { return {form, texts}; }
};

// WINDOWS as a language file reaches them, in their order.
inline std::vector<settings::TranslatedWindow> TranslatedWindows(
    std::span<const ListedWindow> windows) {
    std::vector<settings::TranslatedWindow> translated;
    for (const ListedWindow& window : windows) translated.push_back(window.Translated());
    return translated;
}

class WindowLinks {
  public:
    // Opens the window ID.
    virtual void Open(WindowId id) = 0;
    // Whether a window that keeps the main window disabled is visible.
    virtual bool BlockingWindowVisible() const = 0;
    // The windows made so far, in the order of their creation.
    virtual std::span<const ListedWindow> Windows() const = 0;

  protected:
    ~WindowLinks() = default;
};

}  // namespace forms
