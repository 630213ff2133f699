#pragma once
// A 32-bit top-down DIB section: rows from the top, pixels 0x00RRGGBB, as the canvas and the
// icons fill them.

#include <windows.h>

#include <cstdint>

#include "platform/win32/handles.h"

namespace platform::win32 {

// WIDTH x HEIGHT pixels compatible with REFERENCE (may be null); BITS receives the pixels.
// Empty (and BITS null) when the system cannot make it.
BitmapOwner TopDownDib(HDC reference, int width, int height, std::uint32_t*& bits);

}  // namespace platform::win32
