#pragma once
// The frame the four tool windows (log, disk, process and type manager) share: the window's
// frame, the header bar over the collapse panel that holds the content, the column of speed
// buttons at the panel's right with the large flat exit button at its foot, the colour taken
// from the options, the sound cues and the window's section of the language file. A tool
// window adds only its own content and handlers.

#include <functional>
#include <string>
#include <string_view>

#include "controls/glyphs/button_glyphs.h"
#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_header.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/window_frame.h"
#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/sound_cues.h"
#include "settings/text_table.h"
#include "ui/form.h"

namespace tools {

// What every tool window takes from the program.
struct ToolWindowContext {
    const settings::Languages& languages;
    const settings::SoundCues& cues;
    // The options' colour selection is read, and set from the settings file at creation.
    settings::Options& options;
    settings::SettingsFile settingsFile;
};

// The parts of the frame that differ from window to window.
struct ToolWindowDesign {
    controls::WindowFrame frame;                 // caption, client size, always on top
    std::string header;                          // the header bar's caption
    int width = 641;                             // of the header bar and the panel
    int panelHeight = 233;                       // the panel lies below the 40-pixel header bar
    const settings::TextTable* texts = nullptr;  // the window's texts in the language files
    // Whether creation reads the colour index from the settings file and selects it in the
    // options before taking the colour; otherwise it takes the selection as it stands.
    bool readsStoredColor = true;
};

class ToolWindow : public ui::Form {
  public:
    // The colour of all windows: the header bar and the panel's background take it.
    void ApplyColor(ui::Color color);

    controls::TKVZXPHeader KVZXPHeader1{this};
    controls::TKVZXPCollapsePanel KVZXPCollapsePanel1{this};

  protected:
    ToolWindow(ui::Application& application, const ToolWindowContext& context,
               ToolWindowDesign design);

    // The creation steps every tool window shares, in order: the colour (from the settings
    // file when the design says so, then from the options' selection), then the window's
    // section of the language file in use, if any.
    void ApplyColorAndLanguage();

    // A button of the column: its name, place, 16 x 16 glyph, hint and click handler. The
    // column's buttons take Ctrl+1, Ctrl+2... in the order they are added; the key clicks the
    // button, or runs KEY_ACTION when one is given (a key is easier to hit by mistake than a
    // button).
    void AddColumnButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                         const ui::Rect& bounds, glyphs::Tool glyph, std::string_view hint,
                         std::function<void()> click, std::function<void()> keyAction = {});
    // The flat exit button with the large glyph; Escape clicks it.
    void AddExitButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                       const ui::Rect& bounds, std::string_view hint, std::function<void()> click);

    // Plays CUE (while the options' sound is on).
    void Cue(settings::Cue cue) const { context_.cues.Play(cue); }
    const ToolWindowContext& Context() const { return context_; }

  private:
    void SetUpButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                     const ui::Rect& bounds, std::string_view hint, std::function<void()> click);

    ToolWindowContext context_;
    ToolWindowDesign design_;
    int columnButtons_ = 0;
};

}  // namespace tools
