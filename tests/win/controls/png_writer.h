#pragma once
// Writes a ui::Bitmap as a PNG file (uncompressed deflate blocks): the gallery pictures.

#include <string>

#include "ui/bitmap.h"

namespace gallery {

// Returns false when the file cannot be written.
bool WritePng(const ui::Bitmap& bitmap, const std::string& path);

}  // namespace gallery
