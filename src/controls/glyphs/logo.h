#pragma once
// The program's logo, drawn in code: a teal disc with a white broom sweeping three sparks, on
// magenta (#FF00FF), which is also its bottom-left pixel, so it draws transparently.

#include "ui/bitmap.h"

namespace glyphs {

// SIZE x SIZE pixels.
ui::Bitmap Logo(int size);

}  // namespace glyphs
