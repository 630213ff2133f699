#include "forms/tool_window.h"

#include <utility>

#include "controls/header_style.h"
#include "settings/color_list.h"

namespace tools {

ToolWindow::ToolWindow(ui::Application& application, const ToolWindowContext& context,
                       ToolWindowDesign design)
    : ui::Form(application), context_(context), design_(std::move(design)) {
    controls::ApplyWindowFrame(*this, design_.frame);

    controls::BuildHeaderAndPanel(
        KVZXPHeader1, KVZXPCollapsePanel1,
        {.width = design_.width, .panelHeight = design_.panelHeight, .caption = design_.header});
}

void ToolWindow::ApplyColor(ui::Color color) {
    KVZXPHeader1.SetColor(color);
    KVZXPCollapsePanel1.SetColorBackground(color);
}

void ToolWindow::ApplyColorAndLanguage() {
    settings::Options& options = context_.options;
    if (design_.readsStoredColor) {
        options.color.Select(context_.settingsFile.ReadInteger(settings::Setting::ColorIndex));
    }
    ApplyColor(options.color.Color());
    const settings::TranslatedWindow self[] = {{this, design_.texts}};
    (void)context_.languages.ApplyCurrent(self);
}

void ToolWindow::SetUpButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                             const ui::Rect& bounds, std::string_view hint,
                             std::function<void()> click) {
    button.SetName(std::string(name));
    button.SetBounds(bounds);
    button.SetHint(std::string(hint));
    button.SetShowHint(true);
    button.OnClick = std::move(click);
}

void ToolWindow::AddColumnButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                                 const ui::Rect& bounds, glyphs::Tool glyph, std::string_view hint,
                                 std::function<void()> click, std::function<void()> keyAction) {
    SetUpButton(button, name, bounds, hint, std::move(click));
    button.SetGlyph(glyphs::ToolGlyph(glyph));
    AddShortcut('1' + columnButtons_++, ui::shift::kCtrl, button, std::move(keyAction));
}

void ToolWindow::AddExitButton(controls::TKVZXPSpeedButton& button, std::string_view name,
                               const ui::Rect& bounds, std::string_view hint,
                               std::function<void()> click) {
    SetUpButton(button, name, bounds, hint, std::move(click));
    button.SetFlat(true);
    button.SetGlyph(glyphs::ExitGlyph());
    AddShortcut(ui::key::kEscape, ui::shift::kNone, button);
}

}  // namespace tools
