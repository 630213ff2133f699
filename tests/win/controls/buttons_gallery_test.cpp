// Paints the check boxes, radio controls and speed buttons in their states into a real window,
// captures it, and compares the pixels outside captions with the raster canvas's rendering of
// the same controls (<build>/gallery/buttons.png).

#include <string>
#include <vector>

#include "controls/glyphs/button_glyphs.h"
#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_radio_group.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/wqm_speed_button.h"
#include "controls/xp_scheme.h"
#include "gallery.h"
#include "ui/text_layout.h"

namespace {

using controls::TCheckBoxState;
using ui::Hex;

class ButtonsGallery : public gallery::GalleryTest {
  protected:
    // Only the 13 x 13 box: the caption beside it is text. The GDI and raster ellipses of 3 to
    // 5 pixels may disagree on a corner pixel, which the radio dot's highlight shows.
    void CompareBox(controls::XPCheckControl& c, const std::string& what, int tolerance = 0) {
        Compare(c, what, {}, tolerance,
                ui::Rect::FromSize(c.BoxRect().left, c.BoxRect().top, 13, 13));
    }
    // The caption beside the box: whole, and inside the rectangle the control measured for it.
    // It is looked for on the caption's side of the box (a disabled caption has the colour of
    // the disabled frame).
    void CompareCaption(controls::XPCheckControl& c, const std::string& what) {
        ui::Font font = c.GetFont();
        if (!c.Enabled()) font.color = Hex(0xB8AA9A);
        const std::string text = ui::StripPrefix(c.Caption(), false).text;
        const ui::Rect strip = c.BoxStrip();
        const ui::Rect search = c.Alignment() == controls::TLeftRight::taRightJustify
                                    ? ui::Rect{strip.right + 1, 0, c.Width(), c.Height()}
                                    : ui::Rect{0, 0, strip.left - 1, c.Height()};
        GalleryTest::CompareCaption(c, what + " caption", text, font,
                                    c.CaptionRect(GdiTextExtent(font, text).width), search);
    }
    void CompareControl(controls::XPCheckControl& c, const std::string& what, int tolerance = 0) {
        CompareBox(c, what, tolerance);
        CompareCaption(c, what);
    }
};

TEST_F(ButtonsGallery, WindowPixelsMatchTheRasterCanvasOutsideCaptions) {
    form.SetCaption("Buttons gallery");
    form.SetClientSize(600, 330);
    form.SetColor(Hex(0x008080));
    ui::Font arial{"Arial", 8, true, false, false, Hex(0x008080)};

    // Check boxes: unchecked, checked, grayed, hot, pressed, disabled checked, box at the right.
    const char* checkNames[] = {"Unchecked", "Checked",  "Grayed",   "Hot",
                                "Pressed",   "Disabled", "Right box"};
    for (int i = 0; i < 7; ++i) {
        auto& box =
            Add<controls::TKVZXPCheckBox>(&form, 10 + (i % 4) * 145, 10 + (i / 4) * 24, 135, 17);
        box.SetCaption(checkNames[i]);
        box.SetFont(arial);
        box.SetColor(ui::clWhite);
    }
    auto check = [&](int i) -> controls::TKVZXPCheckBox& {
        return *static_cast<controls::TKVZXPCheckBox*>(owned[static_cast<size_t>(i)].get());
    };
    check(1).SetChecked(true);
    check(2).SetState(TCheckBoxState::cbGrayed);
    check(3).SetChecked(true);
    check(5).SetChecked(true);
    check(5).SetEnabled(false);
    check(6).SetAlignment(controls::TLeftRight::taLeftJustify);
    check(6).SetChecked(true);
    for (int i = 0; i < 7; ++i) CompareControl(check(i), std::string("check box ") + checkNames[i]);

    // Radio buttons, each on its own panel so that they do not uncheck each other.
    const char* radioNames[] = {"Off", "On", "Hot", "Pressed", "Disabled"};
    std::vector<controls::TKVZXPRadioButton*> radios;
    for (int i = 0; i < 5; ++i) {
        auto& panel = Add<ui::Control>(&form, 10 + (i % 4) * 145, 70 + (i / 4) * 24, 135, 17);
        panel.SetColor(ui::clWhite);
        auto& radio = Add<controls::TKVZXPRadioButton>(&panel, 0, 0, 135, 17);
        radio.SetCaption(radioNames[i]);
        radio.SetFont(arial);
        radio.SetColor(ui::clWhite);
        radios.push_back(&radio);
    }
    radios[1]->SetChecked(true);
    radios[4]->SetChecked(true);
    radios[4]->SetEnabled(false);
    for (int i = 0; i < 5; ++i)
        CompareControl(*radios[static_cast<size_t>(i)],
                       std::string("radio button ") + radioNames[i], 2);

    // Speed buttons at the program's sizes and styles.
    auto& tool = Add<controls::TKVZXPSpeedButton>(&form, 10, 130, 45, 21);
    tool.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::Help));
    auto& toolHot = Add<controls::TKVZXPSpeedButton>(&form, 65, 130, 45, 21);
    toolHot.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::Regedit));
    auto& toolDown = Add<controls::TKVZXPSpeedButton>(&form, 120, 130, 45, 21);
    toolDown.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::CleanDisk));
    toolDown.SetGroupIndex(1);
    toolDown.SetDown(true);
    auto& toolOff = Add<controls::TKVZXPSpeedButton>(&form, 175, 130, 45, 21);
    toolOff.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::LogManager));
    toolOff.SetEnabled(false);
    auto& begin = Add<controls::TKVZXPSpeedButton>(&form, 230, 125, 48, 35);
    begin.SetFlat(true);
    begin.SetGlyph(glyphs::BeginGlyph());
    auto& beginHot = Add<controls::TKVZXPSpeedButton>(&form, 290, 125, 48, 35);
    beginHot.SetFlat(true);
    beginHot.SetGlyph(glyphs::ExitGlyph());
    auto& all = Add<controls::TKVZXPSpeedButton>(&form, 350, 130, 21, 21);
    all.SetFlat(true);
    all.SetLayout(controls::TButtonLayout::blGlyphRight);
    all.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::All));
    auto& nothing = Add<controls::TKVZXPSpeedButton>(&form, 380, 130, 21, 21);
    nothing.SetFlat(true);
    nothing.SetGroupIndex(2);
    nothing.SetDown(true);
    nothing.SetGlyph(glyphs::ToolGlyph(glyphs::Tool::Nothing));
    auto& group = Add<controls::TWQMSpeedButton>(&form, 415, 130, 23, 22);
    auto& groupHot = Add<controls::TWQMSpeedButton>(&form, 445, 130, 23, 22);
    for (controls::TWQMSpeedButton* b : {&group, &groupHot}) {
        b->SetFlat(true);
        b->SetFlatStyle(controls::TWQMSpeedBtnFlatStyle::bfsBorderless);
        b->SetGlyph(glyphs::GroupSelectGlyph(false));
        b->SetHotGlyph(glyphs::GroupSelectGlyph(true));
    }
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&tool, &toolHot, &toolDown, &toolOff, &begin,
                                             &beginHot, &all, &nothing, &group, &groupHot})
        Compare(*c, "speed button " + std::to_string(c->Left()));

    auto& radioGroup = Add<controls::TKVZXPRadioGroup>(&form, 10, 170, 215, 105);
    radioGroup.SetCaption("View processing");
    radioGroup.SetFont(arial);
    radioGroup.SetColor(ui::clWhite);
    radioGroup.SetColumns(2);
    radioGroup.SetItems({"Icon", "Report", "List", "Small icon"});
    radioGroup.SetItemIndex(1);

    form.ShowForm();
    // States that come from the pointer, set as the pointer would.
    check(3).MouseEnter();
    check(4).MouseDown(ui::MouseButton::Left, ui::shift::kLeft, {5, 5});
    radios[2]->MouseEnter();
    radios[3]->MouseDown(ui::MouseButton::Left, ui::shift::kLeft, {5, 5});
    toolHot.MouseEnter();
    beginHot.MouseEnter();
    groupHot.MouseEnter();
    for (auto& b : radioGroup.Buttons()) CompareControl(*b, "group button " + b->Caption(), 2);
    ui::Font groupCaption = radioGroup.GetFont();
    groupCaption.color = controls::TKVZXPCustomGroupBox::kCaptionColor;
    const ui::Size captionSize = GdiTextExtent(groupCaption, radioGroup.Caption());
    GalleryTest::CompareCaption(radioGroup, "radio group caption", radioGroup.Caption(),
                                groupCaption, {10, 0, 10 + captionSize.width, captionSize.height},
                                {0, 0, radioGroup.Width(), captionSize.height});

    CaptureAndCompare("buttons", 600, 330);
}

}  // namespace
