#pragma once
// The four 13 x 13 radio-button pictures, drawn in code: a circle with a dark blue rim and a
// light face on a magenta background (the transparent colour, as in the bottom-left pixel).

#include <string_view>

#include "ui/bitmap.h"

namespace controls {

enum class XPRadioImage { Up, Hot, Down, Disabled };

constexpr ui::Color kRadioTransparent = ui::Hex(0xFF00FF);

// The picture for the image; built once.
const ui::Bitmap& RadioImage(XPRadioImage which);
// By stored name: "KVZ_XPRBUP", "KVZ_XPRBHOT", "KVZ_XPRBDOWN", "KVZ_XPRBDIS"; nullptr otherwise.
const ui::Bitmap* RadioImageByName(std::string_view name);

}  // namespace controls
