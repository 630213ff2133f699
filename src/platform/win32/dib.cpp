#include "platform/win32/dib.h"

namespace platform::win32 {

BitmapOwner TopDownDib(HDC reference, int width, int height, std::uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    BitmapOwner dib(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = dib ? static_cast<std::uint32_t*>(pixels) : nullptr;
    return dib;
}

}  // namespace platform::win32
