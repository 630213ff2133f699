#include "gallery.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "platform/win32/ui/window_peer.h"
#include "platform/win32/text.h"
#include "png_writer.h"
#include "win/support/environment_folder.h"
#include "ui/raster_canvas.h"

namespace gallery {

namespace {

std::string GalleryFolder() {
    const std::wstring dir = wintest::EnvironmentFolder(L"SKARVEL_BINARY_DIR");
    if (dir.empty()) return {};
    const std::wstring folder = dir + L"\\gallery";
    CreateDirectoryW(folder.c_str(), nullptr);
    return platform::win32::Narrow(folder);
}

std::vector<ui::Bitmap>& Kept() {
    static std::vector<ui::Bitmap> kept;
    return kept;
}

// At the end of the run: every capture of the run, one under the other, in gallery.png.
class CombinedGallery final : public ::testing::Environment {
  public:
    void TearDown() override {
        const std::vector<ui::Bitmap>& kept = Kept();
        std::string folder = GalleryFolder();
        if (kept.empty() || folder.empty()) return;
        constexpr int kGap = 8;
        int w = 0, h = kGap;
        for (const ui::Bitmap& b : kept) {
            w = std::max(w, b.Width());
            h += b.Height() + kGap;
        }
        w += 2 * kGap;
        ui::Bitmap all(w, h, ui::Hex(0x404040));
        int y = kGap;
        for (const ui::Bitmap& b : kept) {
            for (int row = 0; row < b.Height(); ++row)
                for (int col = 0; col < b.Width(); ++col)
                    all.SetPixel(kGap + col, y + row, b.Pixel(col, row));
            y += b.Height() + kGap;
        }
        EXPECT_TRUE(WritePng(all, folder + "/gallery.png"));
    }
};

[[maybe_unused]] ::testing::Environment* const combined =
    ::testing::AddGlobalTestEnvironment(new CombinedGallery);

}  // namespace

ui::Bitmap Capture(HWND hwnd, int w, int h) {
    HDC source = GetDC(hwnd);
    ui::Bitmap out = platform::win32::CopyFromDc(source, w, h);
    ReleaseDC(hwnd, source);
    return out;
}

void RenderRaster(ui::Control& windowed, ui::Bitmap& target, ui::Point at,
                  const ui::ColorResolver& colors) {
    {
        ui::RasterCanvas canvas(target, colors);
        canvas.SetDeviceOrigin(at);
        canvas.SetOrigin(at);
        canvas.SetClip(windowed.ClientRect());
        windowed.PaintWindow(canvas);
        windowed.PaintOverWindow(canvas, windowed.ClientRect());
    }
    for (ui::Control* child : windowed.Children())
        if (child->IsWindowed() && child->Visible())
            RenderRaster(*child, target, at + child->Bounds().TopLeft(), colors);
}

ui::Size GdiTextExtent(const ui::Font& font, std::string_view text,
                       const ui::ColorResolver& colors) {
    HDC screen = GetDC(nullptr);
    ui::Size g;
    {
        platform::win32::GdiCanvas gdi(screen, colors);
        gdi.font = font;
        g = gdi.TextExtent(text);
    }
    ReleaseDC(nullptr, screen);
    return g;
}

ui::Size TextBound(const ui::Font& font, std::string_view text, const ui::ColorResolver& colors) {
    ui::Bitmap scratch(1, 1);
    ui::RasterCanvas raster(scratch, colors);
    raster.font = font;
    ui::Size r = raster.TextExtent(text);
    ui::Size g = GdiTextExtent(font, text, colors);
    return {std::max(r.width, g.width), std::max(r.height, g.height)};
}

namespace {

// The pixels of colour INK in AREA of IMAGE: how many, and their bounding box.
struct Ink {
    int count = 0;
    ui::Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};
Ink InkIn(const ui::Bitmap& image, ui::Rect area, ui::Color ink) {
    Ink found;
    area = area.Intersect({0, 0, image.Width(), image.Height()});
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (image.Pixel(x, y) != (ink & 0xFFFFFF)) continue;
            ++found.count;
            found.box = {std::min(found.box.left, x), std::min(found.box.top, y),
                         std::max(found.box.right, x + 1), std::max(found.box.bottom, y + 1)};
        }
    return found;
}

// TEXT drawn alone in FONT on white.
ui::Bitmap DrawnAlone(const ui::Font& font, const std::string& text,
                      const ui::ColorResolver& colors) {
    const ui::Size size = GdiTextExtent(font, text, colors);
    const int w = size.width + 16, h = size.height + 8;
    HDC screen = GetDC(nullptr);
    ui::Bitmap out;
    {
        platform::win32::MemoryDC buffer(screen, w, h);
        {
            platform::win32::GdiCanvas canvas(buffer.Get(), colors);
            canvas.FillRect({0, 0, w, h}, ui::clWhite);
            canvas.font = font;
            canvas.TextAt(4, 4, text);
        }
        out = platform::win32::CopyFromDc(buffer.Get(), w, h);
    }
    ReleaseDC(nullptr, screen);
    return out;
}

}  // namespace

GalleryTest::GalleryTest() = default;

void GalleryTest::CheckCaption(const ComparedCaption& c, const ui::Bitmap& real) {
    const ui::Point origin = c.control->Parent()->ClientToScreen(c.control->Bounds().TopLeft()) -
                             form.ClientToScreen({0, 0});
    const ui::Color ink = backend.Colors().Resolve(c.font.color);
    const Ink shown = InkIn(real, c.search.Offset(origin.x, origin.y), ink);
    const ui::Bitmap alone = DrawnAlone(c.font, c.text, backend.Colors());
    const Ink expected = InkIn(alone, {0, 0, alone.Width(), alone.Height()}, ink);
    ASSERT_GT(expected.count, 0) << c.what;
    EXPECT_EQ(shown.count, expected.count) << c.what << ": caption pixels";
    EXPECT_EQ(shown.box.Width(), expected.box.Width()) << c.what << ": caption width";
    EXPECT_EQ(shown.box.Height(), expected.box.Height()) << c.what << ": caption height";
    const ui::Rect laidOut = c.laidOut.Offset(origin.x, origin.y);
    EXPECT_GE(shown.box.left, laidOut.left) << c.what << ": ink before the caption's rectangle";
    EXPECT_LE(shown.box.right, laidOut.right) << c.what << ": ink beyond the caption's rectangle";
}

GalleryTest::~GalleryTest() {
    // Children before their parents: the last made first.
    while (!owned.empty()) owned.pop_back();
}

void GalleryTest::Compare(ui::Control& c, const std::string& what, std::vector<ui::Rect> masks,
                          int tolerance, ui::Rect area) {
    compared.push_back({&c, area, std::move(masks), what, tolerance});
}

void GalleryTest::CaptureAndCompare(const std::string& name, int w, int h) {
    for (int i = 0; i < 20; ++i) {
        backend.ProcessMessages();
        Sleep(20);
    }
    auto* peer = static_cast<platform::win32::WindowPeer*>(form.Peer());
    ASSERT_NE(peer, nullptr);
    RedrawWindow(peer->Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    backend.ProcessMessages();

    ui::Bitmap real = Capture(peer->Hwnd(), w, h);
    ui::Bitmap raster(w, h, ui::clWhite);
    RenderRaster(form, raster, {0, 0}, backend.Colors());
    if (std::string folder = GalleryFolder(); !folder.empty()) {
        EXPECT_TRUE(WritePng(real, folder + "/" + name + ".png"));
        EXPECT_TRUE(WritePng(raster, folder + "/" + name + "_raster.png"));
    }
    Kept().push_back(real);

    for (const ComparedCaption& c : captions) CheckCaption(c, real);
    captions.clear();
    for (const Compared& c : compared) {
        // The control's top-left corner: a native window's client area lies inside its border.
        ui::Control* parent = c.control->Parent();
        ui::Point origin =
            parent->ClientToScreen(c.control->Bounds().TopLeft()) - form.ClientToScreen({0, 0});
        ui::Rect area = c.area;
        if (area.Width() <= 0 || area.Height() <= 0) area = c.control->ClientRect();
        int differences = 0;
        std::string first;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                ui::Point p{x, y};
                if (std::any_of(c.masks.begin(), c.masks.end(),
                                [&](const ui::Rect& m) { return m.Contains(p); }))
                    continue;
                int fx = origin.x + x, fy = origin.y + y;
                if (real.Pixel(fx, fy) == raster.Pixel(fx, fy)) continue;
                if (differences++ < 3) {
                    char line[96];
                    std::snprintf(line, sizeof line, " (%d,%d) window %06x raster %06x", x, y,
                                  real.Pixel(fx, fy), raster.Pixel(fx, fy));
                    first += line;
                }
            }
        EXPECT_LE(differences, c.tolerance) << c.what << ": " << differences << " pixels" << first;
    }
    compared.clear();
}

}  // namespace gallery
