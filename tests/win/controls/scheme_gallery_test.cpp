// Paints the header bars, collapse panel, group box, push buttons, memos and list boxes in their
// states and palettes into a real window, captures it, and compares the pixels outside text with
// the raster canvas's rendering of the same controls (<build>/gallery/scheme*.png).

#include <string>
#include <vector>

#include "controls/kvzxp_button.h"
#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_header.h"
#include "controls/kvzxp_list_box.h"
#include "controls/kvzxp_memo.h"
#include "gallery.h"

namespace {

using controls::TXPScheme;
using ui::Hex;

constexpr ui::Color kTeal = Hex(0x008080);
const ui::Font kHeaderFont{"Tahoma", 8, true, false, false, Hex(0x055CE0)};
const ui::Font kTextFont{"Tahoma", 8, false, false, false, ui::clWindowText};

class SchemeGallery : public gallery::GalleryTest {
  protected:
    controls::TKVZXPHeader& AddHeader(int x, int y, TXPScheme scheme, const std::string& caption) {
        auto& header = Add<controls::TKVZXPHeader>(&form, x, y, 170, 40);
        header.SetXPScheme(scheme);
        header.SetColor(kTeal);
        header.SetFont(kHeaderFont);
        header.SetCaption(caption);
        // The caption, from its left end to the widest either canvas draws it, over the band.
        ui::Size text = TextBound(kHeaderFont, caption);
        Compare(header, "header " + caption, {{4 + 9, 14, 4 + 10 + text.width + 2, 40}});
        return header;
    }

    // The caption of a header that is not hot: whole, and inside the rectangle it measures
    // from x = border + 10 (the chevrons, in the caption's colour, lie beyond the search).
    void CompareHeaderCaption(controls::TKVZXPHeader& header) {
        ui::Font font = header.GetFont();
        if (!header.Enabled()) font.color = Hex(0xB8AA9A);
        const int left = header.Border() + 10, top = header.Height() - 26;
        const ui::Size text = GdiTextExtent(font, header.Caption());
        CompareCaption(
            header, "header caption " + header.Caption(), header.Caption(), font,
            {left, top, left + text.width, header.Height()},
            {header.Border(), top, header.Width() - header.Border() - 28, header.Height()});
    }

    controls::TKVZXPButton& AddButton(int x, int y, TXPScheme scheme, const std::string& caption) {
        auto& button = Add<controls::TKVZXPButton>(&form, x, y, 75, 25);
        button.SetXPScheme(scheme);
        button.SetFont(kTextFont);
        button.SetCaption(caption);
        Compare(button, "button " + caption + " " + std::to_string(y), {CentredText(button)});
        return button;
    }

    ui::Rect CentredText(const controls::TKVZXPButton& button) {
        ui::Size text = TextBound(button.GetFont(), button.Caption());
        int left = (button.Width() - text.width) / 2 - 2;
        int top = (button.Height() - text.height) / 2 - 1;
        return {left, top, left + text.width + 4, top + text.height + 2};
    }
};

TEST_F(SchemeGallery, WindowPixelsMatchTheRasterCanvasOutsideText) {
    const int w = 740, h = 470;
    form.SetCaption("Scheme gallery");
    form.SetClientSize(w, h);
    form.SetColor(kTeal);

    // Header bars: a row per palette; normal, hot, panel hidden (upward chevrons), disabled.
    const TXPScheme headerSchemes[] = {TXPScheme::xpBlue, TXPScheme::xpSilver, TXPScheme::xpGreen};
    std::vector<controls::TKVZXPHeader*> hotHeaders;
    for (int row = 0; row < 3; ++row) {
        int y = 10 + row * 48;
        TXPScheme scheme = headerSchemes[row];
        CompareHeaderCaption(AddHeader(10, y, scheme, "Processing"));
        hotHeaders.push_back(&AddHeader(190, y, scheme, "Hot"));
        auto& hidden = AddHeader(370, y, scheme, "Hidden");
        hidden.SetCollapsed(false);
        CompareHeaderCaption(hidden);
        auto& disabled = AddHeader(550, y, scheme, "Disabled");
        disabled.SetEnabled(false);
        CompareHeaderCaption(disabled);
    }

    // Push buttons: a row per palette; normal, hot, pressed, default, disabled.
    const TXPScheme buttonSchemes[] = {TXPScheme::xpBlue, TXPScheme::xpSilver, TXPScheme::xpGreen,
                                       TXPScheme::xpOrange};
    std::vector<controls::TKVZXPButton*> hotButtons, pressedButtons;
    for (int row = 0; row < 4; ++row) {
        int y = 160 + row * 32;
        TXPScheme scheme = buttonSchemes[row];
        AddButton(10, y, scheme, "Normal");
        hotButtons.push_back(&AddButton(95, y, scheme, "Hot"));
        pressedButtons.push_back(&AddButton(180, y, scheme, "Pressed"));
        AddButton(265, y, scheme, "Default").SetDefault(true);
        AddButton(350, y, scheme, "Disabled").SetEnabled(false);
    }

    // A group box with its caption, as the option groups are.
    auto& group = Add<controls::TKVZXPGroupBox>(&form, 450, 160, 280, 120);
    group.SetColor(ui::clWhite);
    group.SetFont(kTextFont);
    group.SetCaption("Default options");
    {
        // The frame's top line follows the text height, which differs between the two fonts:
        // compare from below the rounded corners of the lower of the two lines.
        ui::Size text = TextBound(kTextFont, group.Caption());
        // The GDI and raster 6 x 6 corner arcs differ: GDI steps two pixels diagonally where
        // the raster canvas cuts one, three pixels at each of the two bottom corners.
        Compare(
            group, "group box",
            {{0, 0, group.Width(), text.height / 2 + 3}, {8, 0, 12 + text.width, text.height + 1}},
            6);
        ui::Font caption = kTextFont;
        caption.color = controls::TKVZXPCustomGroupBox::kCaptionColor;
        const ui::Size measured = GdiTextExtent(caption, group.Caption());
        CompareCaption(group, "group box caption", group.Caption(), caption,
                       {10, 0, 10 + measured.width, measured.height},
                       {0, 0, group.Width(), measured.height});
    }

    // A header linked to a collapse panel that holds the framed standard controls, enabled
    // and disabled: two memos and two list boxes.
    auto& header = AddHeader(10, 300, TXPScheme::xpBlue, "Log Manager");
    header.SetBounds(10, 300, 720, 40);
    auto& panel = Add<controls::TKVZXPCollapsePanel>(&form, 10, 340, 720, 120);
    panel.SetColor(Hex(0xCBDBF8));
    header.SetKVZXPCollapsePanel(&panel);
    header.Loaded();
    Compare(panel, "collapse panel", {{15, 10, 705, 105}});  // the framed controls

    // The text lines are masked; the frame over the border and the fill below are compared.
    const int lineHeight = TextBound(kTextFont, "Disabled memo").height;
    std::vector<controls::TKVZXPMemo*> memos;
    for (int i = 0; i < 2; ++i) {
        auto& memo = Add<controls::TKVZXPMemo>(&panel, 15 + i * 175, 10, 165, 95);
        memo.SetFont(kTextFont);
        memo.SetColor(i == 0 ? Hex(0xCBDBF8) : ui::clWhite);
        memo.SetReadOnly(true);
        memo.SetLines({i == 0 ? "Enabled memo" : "Disabled memo", "second line"});
        if (i == 1) memo.SetEnabled(false);
        Compare(memo, i == 0 ? "memo enabled" : "memo disabled",
                {{2, 2, memo.Width() - 2, 4 + 2 * lineHeight + 2}});
        memos.push_back(&memo);
    }
    for (int i = 0; i < 2; ++i) {
        auto& list = Add<controls::TKVZXPListBox>(&panel, 365 + i * 175, 10, 165, 95);
        list.SetFont(kTextFont);
        list.SetColor(ui::clWhite);
        list.SetItems({"explorer.exe", "skarvel.exe", i == 0 ? "Enabled list" : "Disabled list"});
        if (i == 1) list.SetEnabled(false);
        Compare(list, i == 0 ? "list box enabled" : "list box disabled",
                {{2, 2, list.Width() - 2, 2 + 3 * (lineHeight + 1) + 2}});
    }

    form.ShowForm();
    // Pointer states, set as the pointer would; the focus on a memo keeps the default look.
    for (auto* hot : hotHeaders) hot->MouseMove(0, {100, 30});
    for (auto* button : hotButtons) button->MouseEnter();
    for (auto* button : pressedButtons) {
        button->MouseDown(ui::MouseButton::Left, ui::shift::kLeft, {5, 5});
        button->SetMouseCapture(false);
    }
    memos[0]->SetFocus();

    CaptureAndCompare("scheme", w, h);
}

// A focused button takes the focus ring (and the dotted rectangle) from the default button.
TEST_F(SchemeGallery, FocusedButtonsMatchInEachPalette) {
    const int w = 440, h = 45;
    form.SetCaption("Focused buttons");
    form.SetClientSize(w, h);
    form.SetColor(kTeal);
    const TXPScheme schemes[] = {TXPScheme::xpBlue, TXPScheme::xpSilver, TXPScheme::xpGreen,
                                 TXPScheme::xpOrange};
    std::vector<controls::TKVZXPButton*> buttons;
    for (int i = 0; i < 4; ++i) {
        auto& button = Add<controls::TKVZXPButton>(&form, 10 + i * 105, 10, 95, 25);
        button.SetXPScheme(schemes[i]);
        button.SetFont(kTextFont);
        button.SetCaption("Focused");
        button.SetDrawFocusRect(true);
        button.SetDefault(i == 0);
        buttons.push_back(&button);
    }
    form.ShowForm();
    for (int i = 0; i < 4; ++i) {
        buttons[static_cast<size_t>(i)]->SetFocus();
        for (auto* b : buttons) {
            ui::Size text = TextBound(kTextFont, b->Caption());
            int left = (b->Width() - text.width) / 2 - 2;
            Compare(*b, "focused " + std::to_string(i) + " button " + std::to_string(b->Left()),
                    {{left, 3, left + text.width + 4, 22}});
        }
        ASSERT_TRUE(buttons[static_cast<size_t>(i)]->Focused());
        EXPECT_FALSE(buttons[0]->Active() && i != 0);
        CaptureAndCompare("scheme_focus_" + std::to_string(i), w, h);
    }
}

}  // namespace
