#include "platform/win32/icon_pixels.h"

#include <vector>

#include "platform/win32/dib.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

HICON IconFromPixels(int width, int height, const std::uint32_t* pixels, std::uint32_t transparent,
                     bool cursor, POINT hotSpot) {
    if (width <= 0 || height <= 0 || !pixels) return nullptr;
    bool keyed = (transparent & 0xFF000000u) == 0;
    // Colour: a top-down 32-bit DIB, black where see-through. Mask: 1 where see-through.
    std::uint32_t* out = nullptr;
    BitmapOwner color = TopDownDib(nullptr, width, height, out);
    if (!out) return nullptr;
    size_t stride = static_cast<size_t>((width + 15) / 16) * 2;
    std::vector<std::uint8_t> maskBits(stride * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            size_t i = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
            std::uint32_t c = pixels[i] & 0xFFFFFF;
            if (keyed && c == (transparent & 0xFFFFFF)) {
                out[i] = 0;
                maskBits[static_cast<size_t>(y) * stride + static_cast<size_t>(x / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (x % 8));
            } else {
                // 0x00BBGGRR to the DIB's blue-green-red byte order.
                out[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
            }
        }
    }
    BitmapOwner mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
    if (!mask) return nullptr;
    ICONINFO info{};
    info.fIcon = cursor ? FALSE : TRUE;
    info.xHotspot = static_cast<DWORD>(hotSpot.x);
    info.yHotspot = static_cast<DWORD>(hotSpot.y);
    info.hbmMask = mask.get();
    info.hbmColor = color.get();
    return CreateIconIndirect(&info);  // copies the bitmaps
}

}  // namespace platform::win32
