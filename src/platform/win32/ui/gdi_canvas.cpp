#include "platform/win32/ui/gdi_canvas.h"

#include <climits>
#include <cstring>
#include <vector>

#include "platform/win32/dib.h"
#include "platform/win32/text.h"
#include "ui/text_layout.h"

namespace platform::win32 {

GdiCanvas::GdiCanvas(HDC dc, const ui::ColorResolver& colors)
    : Canvas(colors), dc_(dc), savedDc_(SaveDC(dc)) {}

GdiCanvas::~GdiCanvas() {
    RestoreDC(dc_, savedDc_);
}

void GdiCanvas::OnStateChanged() {
    const State& s = CurrentState();
    SetViewportOrgEx(dc_, s.origin.x, s.origin.y, nullptr);
    if (s.clipped) {
        // Clip regions are in device coordinates.
        RegionOwner region(CreateRectRgn(s.clip.left, s.clip.top, s.clip.right, s.clip.bottom));
        SelectClipRgn(dc_, region.get());
    } else {
        SelectClipRgn(dc_, nullptr);
    }
}

void GdiCanvas::FillRect(const ui::Rect& r, ui::Color c) {
    if (r.IsEmpty()) return;
    BrushOwner solid(CreateSolidBrush(Resolve(c)));
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::FillRect(dc_, &rc, solid.get());
}

void GdiCanvas::SetPixel(int x, int y, ui::Color c) {
    SetPixelV(dc_, x, y, Resolve(c));
}

ui::Color GdiCanvas::GetPixel(int x, int y) {
    COLORREF c = ::GetPixel(dc_, x, y);
    return c == CLR_INVALID ? ui::clNone : static_cast<ui::Color>(c);
}

void GdiCanvas::FrameRect(const ui::Rect& r, ui::Color c) {
    if (r.IsEmpty()) return;
    BrushOwner solid(CreateSolidBrush(Resolve(c)));
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::FrameRect(dc_, &rc, solid.get());
}

PenOwner GdiCanvas::MakePen() const {
    int style = pen.style == ui::PenStyle::Clear ? PS_NULL
                : pen.style == ui::PenStyle::Dot ? PS_DOT
                                                 : PS_SOLID;
    return PenOwner(CreatePen(style, pen.width, Resolve(pen.color)));
}

BrushOwner GdiCanvas::MakeBrush() const {
    if (brush.style == ui::BrushStyle::Clear) return BrushOwner(nullptr);
    return BrushOwner(CreateSolidBrush(Resolve(brush.color)));
}

void GdiCanvas::LineTo(int x, int y) {
    PenOwner p = MakePen();
    SelectGuard g(dc_, p.get());
    MoveToEx(dc_, position_.x, position_.y, nullptr);
    ::LineTo(dc_, x, y);
    position_ = {x, y};
}

void GdiCanvas::Rectangle(const ui::Rect& r) {
    PenOwner p = MakePen();
    BrushOwner b = MakeBrush();
    SelectGuard gp(dc_, p.get());
    SelectGuard gb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::RoundRect(const ui::Rect& r, int ellipseWidth, int ellipseHeight) {
    PenOwner p = MakePen();
    BrushOwner b = MakeBrush();
    SelectGuard gp(dc_, p.get());
    SelectGuard gb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
    ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
}

void GdiCanvas::Ellipse(const ui::Rect& r) {
    PenOwner p = MakePen();
    BrushOwner b = MakeBrush();
    SelectGuard gp(dc_, p.get());
    SelectGuard gb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
    ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::Polygon(const ui::Point* points, int count) {
    if (count < 2) return;
    std::vector<POINT> pts(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) pts[static_cast<size_t>(i)] = {points[i].x, points[i].y};
    PenOwner p = MakePen();
    BrushOwner b = MakeBrush();
    SelectGuard gp(dc_, p.get());
    SelectGuard gb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
    ::Polygon(dc_, pts.data(), count);
}

void GdiCanvas::DrawFocusRect(const ui::Rect& r) {
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::DrawFocusRect(dc_, &rc);
}

BitmapOwner ToDib(HDC reference, const ui::Bitmap& bitmap) {
    std::uint32_t* out = nullptr;
    BitmapOwner dib = TopDownDib(reference, bitmap.Width(), bitmap.Height(), out);
    if (!out) return dib;
    for (size_t i = 0; i < bitmap.Pixels().size(); ++i) {
        ui::Color c = bitmap.Pixels()[i];
        // DIB pixels are 0x00RRGGBB.
        out[i] = (static_cast<std::uint32_t>(ui::RedOf(c)) << 16) |
                 (static_cast<std::uint32_t>(ui::GreenOf(c)) << 8) | ui::BlueOf(c);
    }
    return dib;
}

ui::Bitmap CopyFromDc(HDC source, int width, int height) {
    ui::Bitmap out(width, height);
    BitmapOwner dib = ToDib(source, out);
    DIBSECTION section{};
    if (!dib || GetObjectW(dib.get(), sizeof(section), &section) == 0) return out;
    {
        CompatibleDc mem(source, dib.get());
        BitBlt(mem.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* px = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t v =
                px[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            out.SetPixel(x, y, ui::Rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    return out;
}

void GdiCanvas::DrawBitmap(int x, int y, const ui::Bitmap& bitmap, const ui::Rect& source) {
    if (bitmap.Empty()) return;
    BitmapOwner dib = ToDib(dc_, bitmap);
    CompatibleDc mem(dc_, dib.get());
    BitBlt(dc_, x, y, source.Width(), source.Height(), mem.Get(), source.left, source.top, SRCCOPY);
}

void GdiCanvas::DrawBitmapTransparent(int x, int y, const ui::Bitmap& bitmap,
                                      const ui::Rect& source, ui::Color transparent) {
    if (bitmap.Empty()) return;
    // Copy the opaque pixels only: a masked copy through a one-bit mask of the key colour.
    ui::Color key = Resolve(transparent);
    ui::Rect src = source.Intersect({0, 0, bitmap.Width(), bitmap.Height()});
    ui::Bitmap patch(src.Width(), src.Height());
    patch.CopyFrom(bitmap, src, 0, 0);
    BitmapOwner dib = ToDib(dc_, patch);
    int w = patch.Width(), h = patch.Height();
    // One-bit mask, rows padded to 16 bits, most significant bit first: 1 = opaque pixel.
    size_t stride = static_cast<size_t>((w + 15) / 16) * 2;
    std::vector<std::uint8_t> maskBits(stride * static_cast<size_t>(h), 0);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (patch.Pixel(col, row) != key)
                maskBits[static_cast<size_t>(row) * stride + static_cast<size_t>(col / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (col % 8));
    BitmapOwner mask(CreateBitmap(w, h, 1, 1, maskBits.data()));
    CompatibleDc mem(dc_, dib.get());
    // Mask bit 1: copy the source (foreground ROP); 0: keep the destination.
    int dx = x + (src.left - source.left), dy = y + (src.top - source.top);
    MaskBlt(dc_, dx, dy, w, h, mem.Get(), 0, 0, mask.get(), 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029));
}

FontOwner GdiCanvas::CreateGdiFont(const ui::Font& font) {
    LOGFONTW lf{};
    lf.lfHeight = -font.PixelHeight();
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    std::wstring name = Widen(font.name);
    wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return FontOwner(CreateFontIndirectW(&lf));
}

HFONT GdiCanvas::CurrentFont() {
    std::string key = font.name + "|" + std::to_string(font.size) + (font.bold ? "b" : "") +
                      (font.italic ? "i" : "") + (font.underline ? "u" : "");
    auto it = fonts_.find(key);
    if (it == fonts_.end()) it = fonts_.emplace(key, CreateGdiFont(font)).first;
    return it->second.get();
}

void GdiCanvas::PrepareText() {
    SelectObject(dc_, CurrentFont());
    SetTextColor(dc_, Resolve(font.color));
    if (textBackground == ui::clNone) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, Resolve(textBackground));
    }
}

ui::Size GdiCanvas::TextExtent(std::string_view text) {
    PrepareText();
    std::wstring w = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    if (w.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        size.cy = tm.tmHeight;
    }
    return {size.cx, size.cy};
}

void GdiCanvas::TextAt(int x, int y, std::string_view text) {
    PrepareText();
    position_ = {x + DrawTextLine(x, y, text, -1), y};
}

// Each character is placed at the advance GDI measures for it. Left to itself a renderer may
// space glyphs wider than it measures them (Wine's monochrome glyphs run up to five pixels
// longer on a bold caption), and the text would overrun what was laid out for it.
int GdiCanvas::DrawTextLine(int x, int y, std::string_view text, int underline) {
    std::wstring w = Widen(text);
    const int n = static_cast<int>(w.size());
    if (n == 0) return 0;
    std::vector<INT> ends(w.size());
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc_, w.c_str(), n, INT_MAX, &fit, ends.data(), &size);
    std::vector<INT> advances(w.size());
    for (size_t i = 0; i < w.size(); ++i) advances[i] = ends[i] - (i ? ends[i - 1] : 0);
    ExtTextOutW(dc_, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(n), advances.data());
    if (underline >= 0) {
        // The accelerator's underline, one pixel below the baseline.
        const size_t at = Widen(text.substr(0, static_cast<size_t>(underline))).size();
        if (at < w.size()) {
            TEXTMETRICW tm{};
            GetTextMetricsW(dc_, &tm);
            BrushOwner ink(CreateSolidBrush(Resolve(font.color)));
            RECT line{x + (at ? ends[at - 1] : 0), y + tm.tmAscent + 1, x + ends[at],
                      y + tm.tmAscent + 2};
            ::FillRect(dc_, &line, ink.get());
        }
    }
    return ends.back();
}

int GdiCanvas::DrawTextIn(std::string_view text, ui::Rect& r, std::uint32_t flags) {
    PrepareText();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    ui::TextBlock block = ui::LayOutText(text, r, flags, tm.tmHeight, [this](std::string_view s) {
        std::wstring w = Widen(s);
        SIZE size{};
        GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
        return static_cast<int>(size.cx);
    });
    if (flags & ui::text::kCalcRect) {
        r = block.bounds;
    } else {
        // Glyphs are clipped by the canvas clip only, as on the raster canvas.
        for (const ui::PlacedLine& l : block.lines)
            DrawTextLine(l.at.x, l.at.y, l.line.text, l.line.underline);
    }
    return block.bounds.Height();
}

}  // namespace platform::win32
