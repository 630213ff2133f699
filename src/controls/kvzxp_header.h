#pragma once
// A header bar: a coloured strip over a white, rounded band that carries the caption and a
// round toggle button with double chevrons. It can be linked to a collapse panel that it keeps
// beneath itself and shows or hides when the band is clicked.

#include "controls/xp_scheme.h"
#include "ui/bitmap.h"
#include "ui/control.h"
#include "ui/image_list.h"

namespace controls {

class TKVZXPCollapsePanel;

class TKVZXPHeader : public ui::GraphicControl {
  public:
    explicit TKVZXPHeader(ui::Control* parent);
    ~TKVZXPHeader() override;

    THXPScheme XPScheme() const { return scheme_; }
    void SetXPScheme(THXPScheme scheme);
    int PaletteIndex() const { return palette_; }

    TKVZXPCollapsePanel* KVZXPCollapsePanel() const { return panel_; }
    // Links PANEL (nullptr unlinks). A panel of another parent is refused with a message.
    void SetKVZXPCollapsePanel(TKVZXPCollapsePanel* panel);
    // True shows the linked panel, false hides it.
    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool collapsed);
    int Border() const { return border_; }
    void SetBorder(int border);
    ui::ImageList* Images() const { return images_; }
    void SetImages(ui::ImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool on) { handCursor_ = on; }
    bool HotOverlay() const { return hotOverlay_; }
    void SetHotOverlay(bool on) { hotOverlay_ = on; }
    ui::Color HotColor() const { return hotColor_; }
    void SetHotColor(ui::Color c);

    // After the owning window has been built: places the linked panel and shows or hides it.
    void Loaded();

    bool Hot() const { return hot_; }
    // The band (caption and toggle) and the area repainted when the toggle changes.
    ui::Rect BandRect() const;
    ui::Rect ToggleRefreshRect() const;

    void Paint(ui::Canvas& canvas) override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::TitleBar; }
    void MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) override;
    void MouseMove(ui::Shift s, ui::Point p) override;
    void MouseLeave() override;
    void Click() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    void BoundsChanged() override;
    void ThemeChanged() override;

    static constexpr ui::Color kDisabledColor = ui::Hex(0xB8AA9A);

  private:
    friend class TKVZXPCollapsePanel;
    void PanelDestroyed(TKVZXPCollapsePanel* panel);
    void ApplyPalette(int palette);
    // Placement, background colour and border of the linked panel.
    void PlacePanel();
    void RefreshToggle();
    void EndHand();
    void DrawChevrons(ui::Canvas& canvas, int x0, int y0, ui::Color c) const;

    THXPScheme scheme_ = THXPScheme::xpBlue;
    int palette_ = kPaletteBlue;
    TKVZXPCollapsePanel* panel_ = nullptr;
    bool collapsed_ = true;
    int border_ = 4;
    ui::ImageList* images_ = nullptr;
    int imagesToken_ = 0;
    int imageIndex_ = -1;
    bool handCursor_ = true;
    bool hotOverlay_ = true;
    ui::Color hotColor_ = ui::Hex(0x599AFB);
    ui::Bitmap toggleImage_;
    ui::Bitmap band_;
    bool hot_ = false;
    bool handShown_ = false;
    bool clicked_ = false;
};

}  // namespace controls
