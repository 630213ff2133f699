#pragma once
// The header's round toggle-button images, drawn in code: 20 x 20, opaque, a white disc with
// a faint darker ring on a background close to the palette's header band colour.

#include <string_view>

#include "ui/bitmap.h"

namespace controls {

constexpr int kHeaderToggleSize = 20;

// "KVZ_XPHBNOR" (blue), "KVZ_XPHBNORS" (silver) or "KVZ_XPHBNORG" (green); any other name
// gives the blue image.
ui::Bitmap HeaderToggleImage(std::string_view name);

}  // namespace controls
