#include "controls/kvzxp_header.h"

#include "controls/kvzxp_collapse_panel.h"
#include "controls/xp_header_images.h"
#include "ui/application.h"

namespace controls {

namespace {
constexpr int kBandHeight = 26;
// Chevron rows from the toggle corner: {dy, dx...}; -1 ends a row.
constexpr int kDownRows[4][5] = {
    {1, 2, 6, 7, -1}, {2, 3, 5, 6, -1}, {3, 4, 5, -1, -1}, {4, -1, -1, -1, -1}};
constexpr int kUpRows[4][5] = {
    {4, -1, -1, -1, -1}, {3, 4, 5, -1, -1}, {2, 3, 5, 6, -1}, {1, 2, 6, 7, -1}};
}  // namespace

TKVZXPHeader::TKVZXPHeader(ui::Control* parent) : ui::GraphicControl(parent) {
    ui::Font f = GetFont();
    f.bold = true;
    f.color = ui::Hex(0x055CE0);
    SetFont(f);
    SetColor(ui::Hex(0x538DFB));
    SetBounds(0, 0, 170, 40);
    toggleImage_ = HeaderToggleImage(PaletteColors(palette_).headerToggleImage);
}

TKVZXPHeader::~TKVZXPHeader() {
    if (images_) images_->Unsubscribe(imagesToken_);
    if (panel_) std::erase(panel_->linkedBy_, this);
}

void TKVZXPHeader::ApplyPalette(int palette) {
    toggleImage_ = HeaderToggleImage(PaletteColors(palette).headerToggleImage);
    palette_ = palette;
}

void TKVZXPHeader::SetXPScheme(THXPScheme scheme) {
    scheme_ = scheme;
    // There is no orange header: the previous palette stays.
    if (scheme != THXPScheme::xpOrange) ApplyPalette(PaletteIndexFor(scheme, App()));
    Invalidate();
}

void TKVZXPHeader::ThemeChanged() {
    if (scheme_ == THXPScheme::xpAutomatic) SetXPScheme(scheme_);
}

void TKVZXPHeader::SetKVZXPCollapsePanel(TKVZXPCollapsePanel* panel) {
    if (panel_) std::erase(panel_->linkedBy_, this);
    panel_ = panel;
    if (!panel) return;
    if (panel->Parent() != Parent()) {
        panel_ = nullptr;
        App().GetBackend().ShowMessage(
            "Selected (" + panel->Name() + ")" + " must had same parent as " + Name(),
            "Information", ui::MessageKind::Information, ui::MessageButtons::Ok);
        return;
    }
    panel->linkedBy_.push_back(this);
    PlacePanel();
}

void TKVZXPHeader::PanelDestroyed(TKVZXPCollapsePanel* panel) {
    if (panel_ == panel) panel_ = nullptr;
}

void TKVZXPHeader::PlacePanel() {
    if (!panel_) return;
    panel_->SetBounds(Left(), Top() + Height(), Width(), panel_->Height());
    panel_->SetColorBackground(GetColor());
    panel_->SetBorder(border_);
}

void TKVZXPHeader::Loaded() {
    if (!panel_) return;
    PlacePanel();
    panel_->SetVisible(collapsed_);
}

void TKVZXPHeader::SetCollapsed(bool collapsed) {
    if (collapsed != collapsed_) {
        collapsed_ = collapsed;
        RefreshToggle();
    }
    if (panel_) panel_->SetVisible(collapsed);
}

void TKVZXPHeader::SetBorder(int border) {
    border_ = ClampBorder(border);
    Invalidate();
    if (panel_) panel_->SetBorder(border_);
}

void TKVZXPHeader::SetImages(ui::ImageList* images) {
    if (images_) images_->Unsubscribe(imagesToken_);
    images_ = images;
    imagesToken_ = 0;
    if (images_) {
        imagesToken_ = images_->Subscribe([this](bool destroyed) {
            if (destroyed) images_ = nullptr;
            Invalidate();
        });
    }
    Invalidate();
}

void TKVZXPHeader::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TKVZXPHeader::SetHotColor(ui::Color c) {
    hotColor_ = c;
    Invalidate();
}

void TKVZXPHeader::EnabledChanged() {
    if (panel_) panel_->SetEnabled(Enabled());
}

void TKVZXPHeader::ColorChanged() {
    if (panel_) panel_->SetColorBackground(GetColor());
}

void TKVZXPHeader::BoundsChanged() {
    PlacePanel();
}

ui::Rect TKVZXPHeader::BandRect() const {
    return {border_, Height() - kBandHeight, Width() - border_, Height()};
}

ui::Rect TKVZXPHeader::ToggleRefreshRect() const {
    ui::Rect band = BandRect();
    // The toggle rectangle and the chevron pixels one beyond its right and bottom edges.
    return {band.right - 20, band.top + 8, band.right - 12, band.top + 17};
}

void TKVZXPHeader::RefreshToggle() {
    InvalidateRect(ToggleRefreshRect());
    Update();
}

void TKVZXPHeader::EndHand() {
    handShown_ = false;
    SetCursor(ui::Cursor::Default);
}

void TKVZXPHeader::MouseMove(ui::Shift s, ui::Point p) {
    const bool inBand = BandRect().Contains(p);
    if (handCursor_) {
        if (handShown_ && !inBand) {
            EndHand();
        } else if (!handShown_ && inBand) {
            handShown_ = true;
            SetCursor(ui::Cursor::Hand);
        }
    }
    if (hotOverlay_) {
        if (hot_ && !inBand) {
            hot_ = false;
            RefreshToggle();
        } else if (!hot_ && inBand) {
            hot_ = true;
            RefreshToggle();
            return;  // this movement raises no OnMouseMove
        }
    }
    ui::GraphicControl::MouseMove(s, p);
}

void TKVZXPHeader::MouseLeave() {
    if (hotOverlay_) {
        hot_ = false;
        RefreshToggle();
    }
    if (handCursor_) EndHand();
    ui::GraphicControl::MouseLeave();
}

void TKVZXPHeader::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    // A double-click press raises OnDblClick and no click of its own.
    if (b == ui::MouseButton::Left) clicked_ = !(s & ui::shift::kDouble);
    ui::GraphicControl::MouseDown(b, s, p);
}

void TKVZXPHeader::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    bool click = b == ui::MouseButton::Left && clicked_;
    if (b == ui::MouseButton::Left) clicked_ = false;
    ui::GraphicControl::MouseUp(b, s, p);
    if (click && ClientRect().Contains(p)) Click();
}

void TKVZXPHeader::Click() {
    // Where the pointer is now decides, not where the button went down or up.
    ui::Point at = ScreenToClient(App().GetBackend().CursorPos());
    if (BandRect().Contains(at)) {
        SetCollapsed(!collapsed_);
        if (panel_) {
            panel_->SetBounds(panel_->Left(), Top() + Height(), panel_->Width(), panel_->Height());
            panel_->SetVisible(collapsed_);
        }
    }
    ui::GraphicControl::Click();
}

void TKVZXPHeader::DrawChevrons(ui::Canvas& canvas, int x0, int y0, ui::Color c) const {
    const auto& rows = collapsed_ ? kDownRows : kUpRows;
    const int first = collapsed_ ? 1 : 0;
    for (int repeat = 0; repeat < 2; ++repeat)
        for (int row = 0; row < 4; ++row)
            for (int dx : rows[row]) {
                if (dx < 0) break;
                canvas.SetPixel(x0 + dx, y0 + first + row + 4 * repeat, c);
            }
}

void TKVZXPHeader::Paint(ui::Canvas& canvas) {
    const int w = Width(), h = Height();
    const ui::Rect band = BandRect();
    const int l = band.left, r = band.right, t = band.top;
    const ui::Color colour = canvas.Resolve(GetColor());
    const XPPalette& palette = PaletteColors(palette_);

    canvas.FillRect(ClientRect(), colour);
    canvas.FillRect(band, ui::clWhite);
    PaintXPGradient(w - 2 * border_ - 40, kBandHeight, ui::clWhite, palette.headerBandEnd, 24, 0,
                    true, band_, DitherFor(App()));
    canvas.DrawBitmap(l + 40, t, band_);
    canvas.DrawBitmap(r - 25, t + 3, toggleImage_);

    const bool hotLook = hotOverlay_ && hot_ && Enabled();
    ui::Color chevron = palette.headerChevron;
    if (hotLook) chevron = hotColor_;
    if (!Enabled()) chevron = kDisabledColor;
    DrawChevrons(canvas, r - 20, t + 8, chevron);

    ui::Rect caption{l + 10, t, r - 28, h};
    if (images_) {
        images_->Draw(canvas, l + 3, (h - 5) - images_->Height(), imageIndex_);
        caption.left = l + 3 + images_->Width() + 2;
    }
    canvas.font = GetFont();
    if (hotLook)
        canvas.font.color = hotColor_;
    else if (!Enabled())
        canvas.font.color = kDisabledColor;
    canvas.textBackground = ui::clNone;
    canvas.DrawTextIn(
        Caption(), caption,
        ui::text::kSingleLine | ui::text::kVCenter | ui::text::kLeft | ui::text::kEndEllipsis);

    // Cut the band's top corners.
    for (ui::Point p : {ui::Point{l, t}, ui::Point{l + 1, t}, ui::Point{l, t + 1},
                        ui::Point{r - 1, t}, ui::Point{r - 2, t}, ui::Point{r - 1, t + 1}})
        canvas.SetPixel(p.x, p.y, colour);
}

}  // namespace controls
