// Paints the check boxes, radio controls and speed buttons in their states into a real window,
// captures it, and compares the pixels outside captions with the raster canvas's rendering of
// the same controls. The capture is written to <build>/gallery/buttons.png.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/glyphs/button_glyphs.h"
#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_radio_group.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/wqm_speed_button.h"
#include "controls/xp_scheme.h"
#include "platform/win32/ui/win32_backend.h"
#include "platform/win32/ui/window_peer.h"
#include "png_writer.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/raster_canvas.h"

namespace {

using controls::TCheckBoxState;
using ui::Hex;

// No fraying: both renderings then paint the same gradients whatever their order.
struct NoDither final : controls::DitherGenerator {
    int Below(int) override { return 0; }
};

ui::Bitmap Capture(HWND hwnd, int w, int h) {
    HDC source = GetDC(hwnd);
    HDC dc = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, w, h, source, 0, 0, SRCCOPY);
    GdiFlush();
    ui::Bitmap out(w, h);
    const auto* px = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t v = px[y * w + x];
            out.SetPixel(x, y, ui::Rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    ReleaseDC(hwnd, source);
    return out;
}

// The window tree painted on the raster canvas, as the headless backend does.
void RenderRaster(ui::Control& windowed, ui::Bitmap& target, ui::Point at,
                  const ui::ColorResolver& colors) {
    {
        ui::RasterCanvas canvas(target, colors);
        canvas.SetOrigin(at);
        canvas.SetClip(windowed.ClientRect());
        windowed.PaintWindow(canvas);
        windowed.PaintOverWindow(canvas, windowed.ClientRect());
    }
    for (ui::Control* child : windowed.Children())
        if (child->IsWindowed() && child->Visible())
            RenderRaster(*child, target, at + child->Bounds().TopLeft(), colors);
}

struct Compared {
    ui::Control* control;
    controls::XPCheckControl* box;  // compare only its 13 x 13 box; nullptr: the whole control
    std::string what;
    // Pixels allowed to differ. The GDI and raster ellipses of 3 to 5 pixels may disagree on
    // a corner pixel, which the radio dot's highlight shows.
    int tolerance = 0;
};

class ButtonsGallery : public ::testing::Test {
  protected:
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    std::vector<std::unique_ptr<ui::Control>> owned;
    std::vector<Compared> compared;
    NoDither noDither;
    controls::DitherGenerator* previousDither = nullptr;

    ButtonsGallery() { previousDither = controls::SetDefaultDither(&noDither); }
    ~ButtonsGallery() override {
        owned.clear();
        controls::SetDefaultDither(previousDither);
    }

    template <typename T>
    T& Add(ui::Control* parent, int x, int y, int w, int h) {
        auto control = std::make_unique<T>(parent);
        control->SetBounds(x, y, w, h);
        T& ref = *control;
        owned.push_back(std::move(control));
        return ref;
    }
    void CompareBox(controls::XPCheckControl& c, const std::string& what, int tolerance = 0) {
        compared.push_back({&c, &c, what, tolerance});
    }
    void CompareAll(ui::Control& c, const std::string& what) {
        compared.push_back({&c, nullptr, what});
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
        CompareBox(box, std::string("check box ") + checkNames[i]);
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
        CompareBox(radio, std::string("radio button ") + radioNames[i], 2);
        radios.push_back(&radio);
    }
    radios[1]->SetChecked(true);
    radios[4]->SetChecked(true);
    radios[4]->SetEnabled(false);

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
        CompareAll(*c, "speed button " + std::to_string(c->Left()));

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
    for (auto& b : radioGroup.Buttons()) CompareBox(*b, "group button " + b->Caption(), 2);

    // Let the window paint everything.
    for (int i = 0; i < 20; ++i) {
        backend.ProcessMessages();
        Sleep(20);
    }
    auto* peer = static_cast<platform::win32::WindowPeer*>(form.Peer());
    ASSERT_NE(peer, nullptr);
    RedrawWindow(peer->Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    backend.ProcessMessages();

    const int w = 600, h = 330;
    ui::Bitmap real = Capture(peer->Hwnd(), w, h);
    ui::Bitmap raster(w, h, ui::clWhite);
    RenderRaster(form, raster, {0, 0}, backend.Colors());

    if (const char* dir = std::getenv("SKARVEL_BINARY_DIR")) {
        std::string folder = std::string("Z:") + dir + "/gallery";
        CreateDirectoryA(folder.c_str(), nullptr);
        EXPECT_TRUE(gallery::WritePng(real, folder + "/buttons.png"));
        EXPECT_TRUE(gallery::WritePng(raster, folder + "/buttons_raster.png"));
    }

    for (const Compared& c : compared) {
        ui::Point origin = c.control->ClientToScreen({0, 0}) - form.ClientToScreen({0, 0});
        ui::Rect area = c.control->ClientRect();
        if (c.box) area = ui::Rect::FromSize(c.box->BoxRect().left, c.box->BoxRect().top, 13, 13);
        int differences = 0;
        std::string first;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                int fx = origin.x + x, fy = origin.y + y;
                if (real.Pixel(fx, fy) == raster.Pixel(fx, fy)) continue;
                if (differences++ < 3) {
                    char line[96];
                    std::snprintf(line, sizeof line, " (%d,%d) window %06x raster %06x", x, y,
                                  real.Pixel(fx, fy), raster.Pixel(fx, fy));
                    first += line;
                }
            }
        EXPECT_LE(differences, c.tolerance) << c.what << ":" << first;
    }
}

}  // namespace
