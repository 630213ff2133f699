#pragma once
// Icons and cursors made from the toolkit's pixels.

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

// An icon (or, with CURSOR, a cursor pointing at HOT_SPOT) of WIDTH x HEIGHT from PIXELS
// (0x00BBGGRR, row by row from the top). Pixels equal to TRANSPARENT are see-through; a
// TRANSPARENT with any of its top eight bits set leaves every pixel opaque. Null when the
// system refuses; the caller owns the handle.
HICON IconFromPixels(int width, int height, const std::uint32_t* pixels, std::uint32_t transparent,
                     bool cursor = false, POINT hotSpot = {});

}  // namespace platform::win32
