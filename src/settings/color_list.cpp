#include "settings/color_list.h"

namespace settings {

using ui::SystemColor;
namespace sys = ui::sys;

const std::array<NamedColor, kColorCount> kColorList = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", SystemColor(sys::kActiveBorder)},
    {"clActiveCaption", SystemColor(sys::kActiveCaption)},
    {"clAppWorkSpace", SystemColor(sys::kAppWorkspace)},
    {"clBackground", SystemColor(sys::kBackground)},
    {"clBtnFace", SystemColor(sys::kBtnFace)},
    {"clBtnHighlight", SystemColor(sys::kBtnHighlight)},
    {"clBtnShadow", SystemColor(sys::kBtnShadow)},
    {"clBtnText", SystemColor(sys::kBtnText)},
    {"clCaptionText", SystemColor(sys::kCaptionText)},
    {"clGradientActiveCaption", SystemColor(sys::kGradientActiveCaption)},
    {"clGradientInactiveCaption", SystemColor(sys::kGradientInactiveCaption)},
    {"clGrayText", SystemColor(sys::kGrayText)},
    {"clHighlight", SystemColor(sys::kHighlight)},
    {"clHighlightText", SystemColor(sys::kHighlightText)},
    {"clHotLight", SystemColor(sys::kHotLight)},
    {"clInactiveBorder", SystemColor(sys::kInactiveBorder)},
    {"clInactiveCaption", SystemColor(sys::kInactiveCaption)},
    {"clInactiveCaptionText", SystemColor(sys::kInactiveCaptionText)},
    {"clInfoBk", SystemColor(sys::kInfoBk)},
    {"clInfoText", SystemColor(sys::kInfoText)},
    {"clMenu", SystemColor(sys::kMenu)},
    {"clMenuBar", SystemColor(sys::kMenuBar)},
    {"clMenuHighlight", SystemColor(sys::kMenuHilight)},
    {"clMenuText", SystemColor(sys::kMenuText)},
    {"clScrollBar", SystemColor(sys::kScrollBar)},
    {"cl3DDkShadow", SystemColor(sys::k3dDkShadow)},
    {"cl3DLight", SystemColor(sys::k3dLight)},
    {"clWindow", SystemColor(sys::kWindow)},
    {"clWindowFrame", SystemColor(sys::kWindowFrame)},
    {"clWindowText", SystemColor(sys::kWindowText)},
}};

ui::Color ColorForIndex(int index) {
    return IsColorIndex(index) ? kColorList[static_cast<std::size_t>(index)].value
                               : SystemColor(sys::kScrollBar);
}

}  // namespace settings
