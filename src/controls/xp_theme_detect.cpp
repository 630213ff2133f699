#include "controls/xp_theme_detect.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "controls/xp_scheme.h"

namespace controls {

namespace {
bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}
}  // namespace

int DetectXPColorScheme(platform::System& system) {
    platform::OsVersion version = system.Version();
    if (version.major < 5 || version.minor < 1) return kPaletteBlue;
    std::optional<std::string> colour = system.CurrentThemeColorName();
    if (!colour) return kPaletteBlue;
    if (SameText(*colour, "NormalColor")) return kPaletteBlue;
    if (SameText(*colour, "Metallic")) return kPaletteSilver;
    if (SameText(*colour, "HomeStead")) return kPaletteGreen;
    return kPaletteBlue;
}

}  // namespace controls
