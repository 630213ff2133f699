#pragma once
// Colour values: 0x00BBGGRR (red in the lowest byte). A high byte of 0xFF marks a system
// colour whose low byte is the system colour index; clNone means "no colour".

#include <cstdint>

namespace ui {

using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
// #RRGGBB as written in design notes, e.g. Hex(0x366FCD).
constexpr Color Hex(std::uint32_t rrggbb) {
    return Rgb((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}
constexpr std::uint8_t RedOf(Color c) {
    return c & 0xFF;
}
constexpr std::uint8_t GreenOf(Color c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(Color c) {
    return (c >> 16) & 0xFF;
}

constexpr Color kSystemColorFlag = 0xFF000000u;
constexpr bool IsSystemColor(Color c) {
    return (c & 0xFF000000u) == kSystemColorFlag;
}
constexpr int SystemColorIndex(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr Color SystemColor(int index) {
    return kSystemColorFlag | static_cast<Color>(index);
}

// System colour indices (the platform's COLOR_* numbers).
namespace sys {
constexpr int kScrollBar = 0, kBackground = 1, kActiveCaption = 2, kInactiveCaption = 3, kMenu = 4,
              kWindow = 5, kWindowFrame = 6, kMenuText = 7, kWindowText = 8, kCaptionText = 9,
              kActiveBorder = 10, kInactiveBorder = 11, kAppWorkspace = 12, kHighlight = 13,
              kHighlightText = 14, kBtnFace = 15, kBtnShadow = 16, kGrayText = 17, kBtnText = 18,
              kInactiveCaptionText = 19, kBtnHighlight = 20, k3dDkShadow = 21, k3dLight = 22,
              kInfoText = 23, kInfoBk = 24, kHotLight = 26, kGradientActiveCaption = 27,
              kGradientInactiveCaption = 28, kMenuHilight = 29, kMenuBar = 30;
constexpr int kCount = 31;
}  // namespace sys

constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clDefault = 0x20000000;
constexpr Color clBlack = Hex(0x000000), clMaroon = Hex(0x800000), clGreen = Hex(0x008000),
                clOlive = Hex(0x808000), clNavy = Hex(0x000080), clPurple = Hex(0x800080),
                clTeal = Hex(0x008080), clGray = Hex(0x808080), clSilver = Hex(0xC0C0C0),
                clRed = Hex(0xFF0000), clLime = Hex(0x00FF00), clYellow = Hex(0xFFFF00),
                clBlue = Hex(0x0000FF), clFuchsia = Hex(0xFF00FF), clAqua = Hex(0x00FFFF),
                clWhite = Hex(0xFFFFFF);
constexpr Color clBtnFace = SystemColor(sys::kBtnFace);
constexpr Color clWindow = SystemColor(sys::kWindow);
constexpr Color clWindowText = SystemColor(sys::kWindowText);
constexpr Color clBtnText = SystemColor(sys::kBtnText);
constexpr Color clBtnShadow = SystemColor(sys::kBtnShadow);
constexpr Color clBtnHighlight = SystemColor(sys::kBtnHighlight);
constexpr Color clGrayText = SystemColor(sys::kGrayText);
constexpr Color clHighlight = SystemColor(sys::kHighlight);
constexpr Color clHighlightText = SystemColor(sys::kHighlightText);
constexpr Color clInfoBk = SystemColor(sys::kInfoBk);

// Turns system colours into RGB. The backend provides one that asks the platform; the
// headless one uses the Windows XP defaults.
class ColorResolver {
  public:
    virtual ~ColorResolver() = default;
    virtual Color SystemRgb(int index) const = 0;
    // Any colour to plain RGB (clNone and clDefault resolve to black).
    Color Resolve(Color c) const {
        if (IsSystemColor(c)) return SystemRgb(SystemColorIndex(c)) & 0xFFFFFF;
        if (c == clNone || c == clDefault) return 0;
        return c & 0xFFFFFF;
    }
};

// The Windows XP default system colours, for the headless backend and tests.
const ColorResolver& DefaultColorResolver();

}  // namespace ui
